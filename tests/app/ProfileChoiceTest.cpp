#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "app/ControlIds.h"
#include "app/OptionsDialog.h"

namespace tw {
namespace {

// The counting profile is chosen in the Options dialog; like the switches, the choice takes
// effect at once and the dialog shows it when it opens again.
TEST(OptionsDialogProfile, TheComboChoosesTheProfileAtOnce) {
  CountOptions options;
  {
    OptionsDialog dialog(options);
    QComboBox* combo = dialog.Profile();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->property(kControlIdProperty).toInt(), 1087);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentData().toString(), "classic");
    EXPECT_FALSE(combo->toolTip().isEmpty());
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // the next entry: word
    EXPECT_EQ(options.profile, CountProfile::Word);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(options.profile, CountProfile::Segments);
  }
  OptionsDialog reopened(options);
  EXPECT_EQ(reopened.Profile()->currentData().toString(), "segments");
}

}  // namespace
}  // namespace tw
