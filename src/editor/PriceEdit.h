#pragma once

#include <QLineEdit>

namespace editor {

// A price field: typing is filtered (digits, comma, Backspace, Delete, Left, Right) and
// stops at 12 characters; text pasted or dropped comes in unfiltered but cut to those 12;
// Enter asks for the next field; leaving the field normalises the text to two decimals
// with a comma.
class PriceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PriceEdit(const QString& name, QWidget* parent);

    static constexpr int kMaxTyped = 12;

Q_SIGNALS:
    // Enter was pressed: the editor moves the focus along its chain.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // How many characters may still come in, in place of the selection (when replaced).
    qsizetype room(bool replacesSelection) const;
    // Inserts text from the clipboard in place of the selection, cut to the room left.
    void insertIncoming(const QString& incoming);
};

} // namespace editor
