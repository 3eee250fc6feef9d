#pragma once

#include <QString>

// The maker's addresses and notice, kept in this one place. The example.org addresses
// stand in until the maker's real ones are set here.
namespace help {

inline QString MakerEmail()
{
    return QStringLiteral("vetrinalia@example.org");
}

inline QString MakerWebSite()
{
    return QStringLiteral("https://www.vetrinalia.example.org");
}

// The host name that the links show.
inline QString MakerWebHost()
{
    return QStringLiteral("www.vetrinalia.example.org");
}

inline QString ProductVersion()
{
    return QStringLiteral("1.0");
}

inline QString MakerName()
{
    return QStringLiteral("Studio Vetrinalia");
}

// The notice that follows the product name in the splash screen's caption.
inline QString MakerNotice()
{
    return QStringLiteral("Software libero di ") + MakerName();
}

// The mail link of the information screen, quoted, its subject and body as they stand.
inline QString MakerMailCommand()
{
    return QStringLiteral("\"mailto:") + MakerEmail()
        + QStringLiteral("?subject=Software Vetrinalia&body=Salve, desidererei avere le seguenti "
                         "informazioni sul software in oggetto:\"");
}

} // namespace help
