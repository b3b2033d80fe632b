#include "app/WindowLayout.h"

#include <algorithm>

#include <QLineEdit>

#include "app/ControlIds.h"

namespace tw {
namespace {

// Floating positions are truncated towards zero, as the layout table is written.
int T(double value) {
  return static_cast<int>(value);
}

// The rows whose controls may grow, each in the direction it grows: the first control keeps its
// place (left or right edge), the others keep their gaps.
constexpr int kAddRow[] = {kIdAddAll,   kIdAddSelected, kIdDocCheck, kIdRtfCheck, kIdTxtCheck,
                           kIdHtmCheck, kIdPptCheck,    kIdXlsCheck, kIdPdfCheck};
constexpr int kRemoveRow[] = {kIdRemoveAll, kIdRemove};
constexpr int kPricingRow[] = {kIdPricingCombo, kIdCurrencyCombo, kIdRateEdit, kIdPricingLabel,
                               kIdCalc};
constexpr int kReportRow[] = {kIdSaveReport, kIdCountStatistic};

QRect* Find(std::vector<WindowLayout::Placement>& placements, int id) {
  for (WindowLayout::Placement& placement : placements) {
    if (placement.id == id) return &placement.rect;
  }
  return nullptr;
}

// Widens the row's controls to the right (or, with `leftwards`, to the left), each moved by
// what the ones before it grew. Returns how far the row grew.
template <size_t n>
int Grow(std::vector<WindowLayout::Placement>& placements, const int (&row)[n], bool leftwards,
         const std::function<int(int id)>& neededWidth) {
  int shift = 0;
  for (int id : row) {
    QRect* control = Find(placements, id);
    if (control == nullptr) continue;
    control->translate(leftwards ? -shift : shift, 0);
    const int extra = std::max(0, neededWidth(id) - control->width());
    if (leftwards) {
      control->setLeft(control->left() - extra);
    } else {
      control->setRight(control->right() + extra);
    }
    shift += extra;
  }
  return shift;
}

}  // namespace

void WindowLayout::FitToContents(std::vector<Placement>& placements,
                                 const std::function<int(int id)>& neededWidth) {
  Grow(placements, kAddRow, false, neededWidth);
  // The type frame moves with the boxes it surrounds and grows with them.
  QRect* frame = Find(placements, kIdTypeFrame);
  const QRect* firstBox = Find(placements, kIdDocCheck);
  const QRect* lastBox = Find(placements, kIdPdfCheck);
  if (frame != nullptr && firstBox != nullptr && lastBox != nullptr) {
    frame->moveLeft(firstBox->left() - 6);
    frame->setRight(std::max(frame->right(), lastBox->right() + 6));
    // The menu of the other types stays just right of the frame, however wide the boxes grew.
    if (QRect* more = Find(placements, kIdMoreTypesButton)) more->moveLeft(frame->right() + 6);
  }
  Grow(placements, kRemoveRow, false, neededWidth);
  Grow(placements, kPricingRow, true, neededWidth);
  Grow(placements, kReportRow, true, neededWidth);
  // The subfolder button under the tree grows up to the file list's side.
  if (QRect* button = Find(placements, kIdAddSubfolders)) {
    const QRect* addAll = Find(placements, kIdAddAll);
    const int room = (addAll != nullptr ? addAll->left() - 6 : button->right()) - button->left();
    button->setWidth(std::max(button->width(), std::min(neededWidth(kIdAddSubfolders), room)));
  }
}

int WindowLayout::NeededWidth(const QWidget* control) {
  if (control == nullptr) return 0;
  // A line edit's size hint asks for room for many characters whatever it holds.
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
    return edit->fontMetrics().horizontalAdvance(edit->text()) + 10;
  }
  return control->sizeHint().width();
}

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
      {kIdHomeButton, QRect(2, 0, 26, 24)},
      {kIdFolderPath, QRect(30, 0, T(f - 30), 24)},
      {kIdFolderTree, QRect(2, 28, T(f - 2), h - 128)},
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
