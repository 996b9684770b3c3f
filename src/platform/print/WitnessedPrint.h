#pragma once

#include <functional>
#include <string>

class QPrinter;

namespace orvane {

// Prints on `printer` with `render` and says what became of it: empty when
// the print system took the document (or the chosen file was written), else
// the reason it was not printed. The printer's document name titles the job.
std::string printWitnessed(QPrinter& printer, const std::function<void()>& render);

} // namespace orvane
