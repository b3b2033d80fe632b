#include "app/WindowLayout.h"

#include "app/ControlIds.h"

namespace tw {
namespace {

// Floating positions are truncated towards zero, as the layout table is written.
int T(double value) {
  return static_cast<int>(value);
}

}  // namespace

std::vector<WindowLayout::Placement> WindowLayout::Controls(int cx, int cy) {
  const int h = cy / 2;
  const double f = 0.3 * cx;
  return {
      {kIdCalc, QRect(cx - 320, cy - 89, 40, 26)},
      {kIdPricingLabel, QRect(cx - 270, cy - 87, 50, 20)},
      {kIdRateEdit, QRect(cx - 215, cy - 89, 50, 22)},
      {kIdCurrencyCombo, QRect(cx - 160, cy - 89, 50, 22)},
      {kIdPricingCombo, QRect(cx - 110, cy - 89, 100, 22)},
      {kIdAddAll, QRect(T(f), h - 94, 70, 24)},
      {kIdAddSelected, QRect(T(f + 80), h - 94, 80, 24)},
      {kIdAddSubfolders, QRect(2, h - 94, 160, 24)},
      {kIdFolderTree, QRect(2, 0, T(f - 2), h - 100)},
      {kIdFileList, QRect(T(f), 0, T(0.7 * cx - 2), h - 100)},
      {kIdCountList, QRect(2, h - 60, cx - 4, h - 60)},
      {kIdRemoveAll, QRect(10, cy - 87, 94, 24)},
      {kIdRemove, QRect(110, cy - 87, 60, 24)},
      {kIdDocCheck, QRect(T(f + 170), h - 90, 46, 18)},
      {kIdRtfCheck, QRect(T(f + 51 + 170), h - 90, 40, 18)},
      {kIdTxtCheck, QRect(T(f + 96 + 170), h - 90, 40, 18)},
      {kIdHtmCheck, QRect(T(f + 141 + 170), h - 90, 44, 18)},
      {kIdPptCheck, QRect(T(f + 191 + 170), h - 90, 46, 18)},
      {kIdXlsCheck, QRect(T(f + 237 + 170), h - 90, 40, 18)},
      {kIdPdfCheck, QRect(T(f + 282 + 170), h - 90, 40, 18)},
      {kIdTypeFrame, QRect(T(f + 164), h - 102, 328, 32)},
      {kIdMoreTypesButton, QRect(T(f + 496), h - 94, 90, 24)},
      {kIdCountStatistic, QRect(cx - 210, cy - 55, 106, 26)},
      {kIdSaveReport, QRect(cx - 100, cy - 55, 80, 26)},
      {kIdRemoveFrame, QRect(2, cy - 123, cx - 4, 32)},
      {kIdBottomFrame, QRect(2, cy - 66, cx - 4, 40)},
  };
}

std::array<int, 5> WindowLayout::FileListColumnWidths(int cx) {
  const double l = 0.7 * cx - 2;
  return {T(l * 0.3), T(l * 0.1), T(l * 0.1), T(l * 0.15), T(l * 0.35)};
}

std::array<int, 7> WindowLayout::CountListColumnWidths(int cx) {
  const double o = cx - 6;
  return {T(o * 0.25), T(o * 0.1), T(o * 0.2), T(o * 0.15), T(o * 0.09), T(o * 0.06), T(o * 0.15)};
}

}  // namespace tw
