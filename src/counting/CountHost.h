#pragma once

#include <string>

#include "counting/CountOptions.h"
#include "counting/MessageService.h"

namespace tw {

// Everything a counter and the count run need of the window. The window implements it over its
// count-list model and controls (each call carried to the window thread); the command line and
// the tests implement it over an in-memory count list.
class CountHost {
 public:
  virtual ~CountHost() = default;

  virtual int RowCount() = 0;
  virtual std::string CellText(int row, int column) = 0;
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  virtual void SetHeaderText(int column, const std::string& text) = 0;

  // The pricing combo's current text.
  virtual std::string PricingText() = 0;
  // The rate edit's, the currency combo's and the pricing combo's displayed texts.
  virtual CurrentValues ControlValues() = 0;

  // Copies the controls' texts into the current values at the end of a run. The window does the
  // copy on its own thread, where the current values are read.
  virtual void TakeCurrentValuesFromControls(CurrentValues& current) { current = ControlValues(); }

  // Switches the six count controls: pricing combo, rate edit, "Count Statistic", "Remove All",
  // "Save Report" and "Remove".
  virtual void SetCountControlsEnabled(bool enabled) = 0;

  virtual MessageService& Messages() = 0;

  // Progress for the status bar: file `number` of `total` (1-based) is being counted.
  virtual void CountingFile(const std::string& path, int row, int number, int total) {
    (void)path, (void)row, (void)number, (void)total;
  }
  // The run has ended.
  virtual void CountingFinished() {}
};

}  // namespace tw
