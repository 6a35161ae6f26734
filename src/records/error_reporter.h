// The seam through which the data-access layer tells the user that the birthday table
// could not be read or written. The program shows a message box; tests record the texts.
// It is called on whichever thread uses the database, the background worker included.
#pragma once

#include <string>

namespace memo {

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void ShowError(const std::string& text) = 0;
};

}  // namespace memo
