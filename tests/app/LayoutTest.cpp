#include <gtest/gtest.h>

#include <map>
#include <set>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"
#include "app/BrowserPane.h"
#include "app/ControlIds.h"
#include "app/CountListView.h"
#include "app/WindowLayout.h"
#include "browser/FileList.h"

namespace tw {
namespace {

// The layout table worked out by hand for a client area of 1000 x 700: h = 350, f = 300.
const std::map<int, QRect> kAt1000x700 = {
    {kIdCalc, QRect(680, 611, 40, 26)},          {kIdPricingLabel, QRect(730, 613, 50, 20)},
    {kIdRateEdit, QRect(785, 611, 50, 22)},      {kIdCurrencyCombo, QRect(840, 611, 50, 22)},
    {kIdPricingCombo, QRect(890, 611, 100, 22)}, {kIdAddAll, QRect(300, 256, 70, 24)},
    {kIdAddSelected, QRect(380, 256, 80, 24)},   {kIdAddSubfolders, QRect(2, 256, 160, 24)},
    {kIdFolderTree, QRect(2, 28, 298, 222)},     {kIdHomeButton, QRect(2, 0, 26, 24)},
    {kIdFolderPath, QRect(30, 0, 270, 24)},      {kIdFileList, QRect(300, 0, 698, 250)},
    {kIdCountList, QRect(2, 290, 996, 290)},     {kIdRemoveAll, QRect(10, 613, 94, 24)},
    {kIdRemove, QRect(110, 613, 60, 24)},        {kIdDocCheck, QRect(470, 260, 46, 18)},
    {kIdRtfCheck, QRect(521, 260, 40, 18)},      {kIdTxtCheck, QRect(566, 260, 40, 18)},
    {kIdHtmCheck, QRect(611, 260, 44, 18)},      {kIdPptCheck, QRect(661, 260, 46, 18)},
    {kIdXlsCheck, QRect(707, 260, 40, 18)},      {kIdPdfCheck, QRect(752, 260, 40, 18)},
    {kIdTypeFrame, QRect(464, 248, 328, 32)},    {kIdCountStatistic, QRect(790, 645, 106, 26)},
    {kIdSaveReport, QRect(900, 645, 80, 26)},    {kIdRemoveFrame, QRect(2, 577, 996, 32)},
    {kIdBottomFrame, QRect(2, 634, 996, 40)},    {kIdMoreTypesButton, QRect(796, 256, 90, 24)},
};

TEST(WindowLayout, PlacesEveryControlAsTheTableSays) {
  const std::vector<WindowLayout::Placement> placements = WindowLayout::Controls(1000, 700);
  EXPECT_EQ(placements.size(), kAt1000x700.size());
  for (const WindowLayout::Placement& placement : placements) {
    ASSERT_TRUE(kAt1000x700.contains(placement.id)) << placement.id;
    EXPECT_EQ(placement.rect, kAt1000x700.at(placement.id)) << placement.id;
  }
}

TEST(WindowLayout, TruncatesFloatingPositionsAndWidths) {
  // cx = 1001: f = 300.3, 0.7 cx - 2 = 698.7, cy odd: h = 350 by integer division.
  std::map<int, QRect> at;
  for (const auto& placement : WindowLayout::Controls(1001, 701)) at[placement.id] = placement.rect;
  EXPECT_EQ(at[kIdAddAll].x(), 300);
  EXPECT_EQ(at[kIdFolderTree].width(), 298);
  EXPECT_EQ(at[kIdFileList].width(), 698);
  EXPECT_EQ(at[kIdCountList], QRect(2, 290, 997, 290));
  EXPECT_EQ(at[kIdPdfCheck].x(), 752);
}

TEST(WindowLayout, ColumnWidthsFollowTheClientWidth) {
  EXPECT_EQ(WindowLayout::CountListColumnWidths(1000),
            (std::array<int, 7>{248, 99, 198, 149, 89, 59, 149}));
  EXPECT_EQ(WindowLayout::FileListColumnWidths(1000), (std::array<int, 5>{209, 69, 69, 104, 244}));
  EXPECT_EQ(WindowLayout::CountListColumnWidths(740),
            (std::array<int, 7>{183, 73, 146, 110, 66, 44, 110}));
}

class WindowLayoutTest : public test::WindowFixture {};

TEST_F(WindowLayoutTest, ARealClientAreaOf1000x700PlacesTheControls) {
  Open();
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  QWidget* area = W().centralWidget();
  W().resize(W().width() + 1000 - area->width(), W().height() + 700 - area->height());
  QTRY_COMPARE(area->size(), QSize(1000, 700));

  // The type boxes, their frame and the pricing row may grow to fit their texts; the rest
  // stands exactly where the table puts it.
  const std::set<int> fitted = {
      kIdAddAll,         kIdAddSelected,  kIdAddSubfolders, kIdDocCheck,       kIdRtfCheck,
      kIdTxtCheck,       kIdHtmCheck,     kIdPptCheck,      kIdXlsCheck,       kIdPdfCheck,
      kIdTypeFrame,      kIdPricingCombo, kIdCalc,          kIdCurrencyCombo,  kIdRateEdit,
      kIdPricingLabel,   kIdRemoveAll,    kIdRemove,        kIdCountStatistic, kIdSaveReport,
      kIdMoreTypesButton};
  for (const auto& [id, rect] : kAt1000x700) {
    ASSERT_NE(W().Control(id), nullptr) << id;
    if (fitted.contains(id)) {
      EXPECT_GE(W().Control(id)->width(), rect.width()) << id;
      EXPECT_EQ(W().Control(id)->y(), rect.y()) << id;
    } else {
      EXPECT_EQ(W().Control(id)->geometry(), rect) << id;
    }
  }
  // The menu of the other types moves with the frame of the boxes, never over it.
  EXPECT_GT(W().Control(kIdMoreTypesButton)->x(), W().Control(kIdTypeFrame)->geometry().right());
  QHeaderView* countHeader = W().CountList()->horizontalHeader();
  const int countWidths[] = {248, 99, 198, 149, 89, 59, 149};
  for (int column = 0; column < 7; ++column) {
    EXPECT_EQ(countHeader->sectionSize(column), countWidths[column]) << column;
  }
  FileList* fileList = W().Browser()->Files();
  const int fileWidths[] = {209, 69, 69, 104, 244};
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(fileList->columnWidth(column), fileWidths[column]) << column;
  }
}

TEST_F(WindowLayoutTest, NoTypeBoxOrPricingEntryIsCutOff) {
  Open();
  W().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&W()));
  const int row[] = {kIdDocCheck, kIdRtfCheck, kIdTxtCheck, kIdHtmCheck,
                     kIdPptCheck, kIdXlsCheck, kIdPdfCheck};
  QWidget* previous = nullptr;
  for (int id : row) {
    QWidget* box = W().Control(id);
    EXPECT_GE(box->width(), box->sizeHint().width()) << id;
    if (previous != nullptr) {
      EXPECT_GT(box->x(), previous->geometry().right()) << id;
    }
    EXPECT_TRUE(W().Control(kIdTypeFrame)->geometry().contains(box->geometry())) << id;
    previous = box;
  }
  QWidget* pricing = W().Control(kIdPricingCombo);
  EXPECT_GE(pricing->width(), pricing->sizeHint().width());  // room for "Chars & spaces"
  EXPECT_LE(pricing->geometry().right(), W().centralWidget()->width());
  EXPECT_GT(pricing->x(), W().Control(kIdCurrencyCombo)->geometry().right() - 1);
}

TEST_F(WindowLayoutTest, TheWindowCannotBeMadeSmallerThan740x540) {
  Open();
  W().resize(300, 200);
  EXPECT_GE(W().width(), 740);
  EXPECT_GE(W().height(), 540);
}

}  // namespace
}  // namespace tw
