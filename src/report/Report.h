#pragma once

namespace report {

// A page template with its objects, filled and prepared for output.
class Report;

} // namespace report
