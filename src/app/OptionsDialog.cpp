#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ControlIds.h"

namespace tw {
namespace {

constexpr int kIdHeadersAndFooters = 1067;
constexpr int kIdExtraSymbols = 1075;
constexpr int kIdLegacyBytes = 1080;
constexpr int kIdNotes = 1082;
constexpr int kIdComments = 1083;
constexpr int kIdCharts = 1084;
constexpr int kIdDiagrams = 1085;
constexpr int kIdHidden = 1086;
constexpr int kIdProfile = 1087;

}  // namespace

OptionsDialog::OptionsDialog(CountOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  setWindowTitle(tr("Options"));
  setObjectName(QStringLiteral("optionsDialog"));
  auto* layout = new QVBoxLayout(this);
  AddRuleSwitches(layout);
  AddContentSwitches(layout);
  AddProfileChoice(layout);
  layout->addStretch(1);

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(520, 420);
}

void OptionsDialog::AddRuleSwitches(QVBoxLayout* layout) {
  headersAndFooters_ = AddSwitch(
      layout, tr("Count in headers and footers"),
      tr("Also counts the text of page headers and footers (and slide footers), e.g. a footer "
         "\"Draft for review\" adds 3 words"),
      kIdHeadersAndFooters, options_.headersAndFooters);
  extraSymbols_ = AddSwitch(
      layout, tr("Treat extra symbols in txt files like a word"),
      tr("In text files a symbol such as \"&\" or \"%\" standing alone counts as a word, e.g. "
         "\"salt & pepper\" gives 3 words instead of 2"),
      kIdExtraSymbols, options_.extraSymbolsAsWords);
  legacyBytes_ = AddSwitch(
      layout, tr("Legacy byte rules"),
      tr("Judges every byte (or the low byte of a character) alone, as older versions did, "
         "e.g. the two bytes of \"ö\" in a UTF-8 file count as two characters; use it to "
         "match old figures"),
      kIdLegacyBytes, options_.legacyByteRules);
}

void OptionsDialog::AddContentSwitches(QVBoxLayout* layout) {
  auto* group = new QGroupBox(tr("Also count"), this);
  auto* inner = new QVBoxLayout(group);
  auto* note = new QLabel(
      tr("Documents hold text a reader does not always translate; tick what the job includes."),
      group);
  note->setWordWrap(true);
  inner->addWidget(note);
  ContentSwitches& include = options_.include;
  notes_ = AddSwitch(inner, tr("Speaker notes"),
                     tr("Counts the notes under each slide of a presentation, e.g. a note "
                        "\"Thank the sponsors\" adds 3 words"),
                     kIdNotes, include.notes);
  comments_ = AddSwitch(inner, tr("Comments"),
                        tr("Counts review comments in documents and presentations, e.g. a "
                           "comment \"Check this date\" adds 3 words"),
                        kIdComments, include.comments);
  charts_ = AddSwitch(inner, tr("Charts"),
                      tr("Counts chart titles, axis titles, categories and series names, e.g. "
                         "a chart titled \"Sales by region\" adds 3 words"),
                      kIdCharts, include.charts);
  diagrams_ = AddSwitch(inner, tr("Diagrams (SmartArt)"),
                        tr("Counts the text in diagram shapes, e.g. a process diagram \"Plan, "
                           "Build, Test\" adds 3 words"),
                        kIdDiagrams, include.diagrams);
  hidden_ = AddSwitch(inner, tr("Hidden text and slides"),
                      tr("Counts text formatted as hidden and slides marked hidden, e.g. a "
                         "hidden backup slide is counted like any other"),
                      kIdHidden, include.hidden);
  layout->addWidget(group);
}

void OptionsDialog::AddProfileChoice(QVBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(tr("Counting profile:"), this);
  profile_ = new QComboBox(this);
  profile_->setObjectName(QStringLiteral("profileCombo"));
  profile_->setProperty(kControlIdProperty, kIdProfile);
  label->setBuddy(profile_);
  const std::pair<CountProfile, QString> choices[] = {
      {CountProfile::Classic, tr("Classic (this program's own rules)")},
      {CountProfile::Word, tr("Word processor (words between spaces)")},
      {CountProfile::Segments, tr("Segments (Unicode word boundaries)")},
  };
  for (const auto& [profile, caption] : choices) {
    profile_->addItem(caption, QString::fromStdString(std::string(ProfileName(profile))));
    if (profile == options_.profile) profile_->setCurrentIndex(profile_->count() - 1);
  }
  profile_->setToolTip(
      tr("What a word and a character are, for every format alike. Word processor: \"3.14\", "
         "\"www.example.com\" and \"don't\" are one word each, each Chinese or Japanese "
         "character is a word. Segments: punctuation alone is not a word, as translation "
         "memory tools count"));
  // The choice takes effect at once, like the switches above.
  connect(profile_, &QComboBox::currentIndexChanged, this, [this] {
    const std::optional<CountProfile> chosen =
        ParseProfile(profile_->currentData().toString().toStdString());
    options_.profile = chosen.value_or(CountProfile::Classic);
  });
  row->addWidget(label);
  row->addWidget(profile_, 1);
  layout->addLayout(row);
}

QCheckBox* OptionsDialog::AddSwitch(QVBoxLayout* layout, const QString& caption, const QString& tip,
                                    int id, bool& option) {
  auto* box = new QCheckBox(caption, this);
  box->setProperty(kControlIdProperty, id);
  box->setToolTip(tip);
  box->setChecked(option);
  // Each click inverts the option at once and shows its new state.
  connect(box, &QCheckBox::clicked, this, [box, &option] {
    option = !option;
    box->setChecked(option);
  });
  layout->addWidget(box);
  return box;
}

}  // namespace tw
