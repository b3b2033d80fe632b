#include "app/BrowserPane.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include "app/ControlIds.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

// A pasted file URL or a path starting with "~" names the folder the user means.
QString TypedFolder(QString text) {
  text = text.trimmed();
  if (text.startsWith(QLatin1String("file:"))) text = QUrl(text).toLocalFile();
  if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/"))) {
    text = QDir::homePath() + text.mid(1);
  }
  return QDir::cleanPath(text);
}

QPushButton* MakeButton(const QString& caption, const char* name, int id, QWidget* area) {
  auto* button = new QPushButton(caption, area);
  button->setObjectName(QString::fromLatin1(name));
  button->setProperty(kControlIdProperty, id);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

const std::array<BrowserPane::TypeBox, 7> BrowserPane::kTypeBoxes = {{
    {FileType::Doc, kIdDocCheck, "DOC*", "docCheck"},
    {FileType::Rtf, kIdRtfCheck, "RTF", "rtfCheck"},
    {FileType::Xls, kIdXlsCheck, "XLS", "xlsCheck"},
    {FileType::Txt, kIdTxtCheck, "TXT", "txtCheck"},
    {FileType::Htm, kIdHtmCheck, "HTM*", "htmCheck"},
    {FileType::Ppt, kIdPptCheck, "PPT*", "pptCheck"},
    {FileType::Pdf, kIdPdfCheck, "PDF", "pdfCheck"},
}};

const std::array<BrowserPane::TypeEntry, 6> BrowserPane::kMenuTypes = {{
    {FileType::Odt, "ODT", "odtEntry"},
    {FileType::Xliff, "XLIFF", "xliffEntry"},
    {FileType::Po, "PO", "poEntry"},
    {FileType::Sub, "SUB (srt, vtt)", "subEntry"},
    {FileType::Md, "MD", "mdEntry"},
    {FileType::More, "More (epub, idml, csv, tsv, json, xml)", "moreEntry"},
}};

BrowserPane::BrowserPane(QWidget* area) : QObject(area) {
  tree_ = new FolderTree(area);
  tree_->setObjectName(QStringLiteral("folderTree"));
  tree_->setProperty(kControlIdProperty, kIdFolderTree);
  fileList_ = new FileList(area);
  fileList_->setObjectName(QStringLiteral("fileList"));
  fileList_->setProperty(kControlIdProperty, kIdFileList);
  tree_->SetFileList(fileList_);
  tree_->ConfigureForMainWindow();

  addSubfolders_ =
      MakeButton(tr("Add all files in subfolders"), "addSubfoldersButton", kIdAddSubfolders, area);
  addSelected_ = MakeButton(tr("Add selected"), "addSelectedButton", kIdAddSelected, area);
  addAll_ = MakeButton(tr("Add all"), "addAllButton", kIdAddAll, area);
  CreateTypeBoxes(area);
  CreateTypeMenu(area);
  CreateFolderBar(area);

  connect(addSubfolders_, &QPushButton::clicked, this, &BrowserPane::addSubfoldersRequested);
  connect(addSelected_, &QPushButton::clicked, this, &BrowserPane::addSelectedRequested);
  connect(addAll_, &QPushButton::clicked, this, &BrowserPane::addAllRequested);
  connect(fileList_, &FileList::fileDoubleClicked, this, &BrowserPane::addSelectedRequested);
  connect(fileList_, &FileList::fileTypeToggled, this, &BrowserPane::OnTypeToggled);
  connect(fileList_, &FileList::subtreeListed, this, [this] {
    if (!replacingSubtree_) emit subtreeListed();
  });
}

void BrowserPane::CreateTypeBoxes(QWidget* area) {
  for (size_t i = 0; i < kTypeBoxes.size(); ++i) {
    const TypeBox& entry = kTypeBoxes[i];
    auto* box = new QCheckBox(QString::fromLatin1(entry.caption), area);
    box->setObjectName(QString::fromLatin1(entry.objectName));
    box->setProperty(kControlIdProperty, entry.id);
    const FileType type = entry.type;
    connect(box, &QCheckBox::clicked, this, [this, type] { OnTypeBoxClicked(type); });
    typeBoxes_[i] = box;
  }
}

// The row of boxes has no room for the later formats: they sit in a menu, ticked at a first start.
void BrowserPane::CreateTypeMenu(QWidget* area) {
  moreTypes_ = new QToolButton(area);
  moreTypes_->setText(tr("More types\u2026"));
  moreTypes_->setObjectName(QStringLiteral("moreTypesButton"));
  moreTypes_->setProperty(kControlIdProperty, kIdMoreTypesButton);
  moreTypes_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(moreTypes_);
  for (size_t i = 0; i < kMenuTypes.size(); ++i) {
    const TypeEntry& entry = kMenuTypes[i];
    QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.objectName));
    action->setCheckable(true);
    const FileType type = entry.type;
    connect(action, &QAction::triggered, this, [this, type] { OnTypeBoxClicked(type); });
    typeEntries_[i] = action;
    SetTypeChecked(type, true);
  }
  moreTypes_->setMenu(menu);
}

QAction* BrowserPane::TypeMenuEntry(FileType type) const {
  for (size_t i = 0; i < kMenuTypes.size(); ++i) {
    if (kMenuTypes[i].type == type) return typeEntries_[i];
  }
  return nullptr;
}

void BrowserPane::SetTypeChecked(FileType type, bool checked) {
  if (QCheckBox* box = TypeCheckBox(type)) box->setChecked(checked);
  if (QAction* entry = TypeMenuEntry(type)) entry->setChecked(checked);
  fileList_->TypeFlags().Flag(type) = checked ? 1 : 0;
}

bool BrowserPane::IsTypeChecked(FileType type) const {
  if (const QCheckBox* box = TypeCheckBox(type)) return box->isChecked();
  const QAction* entry = TypeMenuEntry(type);
  return entry != nullptr && entry->isChecked();
}

void BrowserPane::CreateFolderBar(QWidget* area) {
  home_ = new QToolButton(area);
  home_->setObjectName(QStringLiteral("homeButton"));
  home_->setProperty(kControlIdProperty, kIdHomeButton);
  home_->setIcon(area->style()->standardIcon(QStyle::SP_DirHomeIcon));
  home_->setText(tr("Home"));
  home_->setToolTip(tr("Show your home folder in the tree"));
  connect(home_, &QToolButton::clicked, this,
          [this] { SelectFolder(QDir::homePath().toStdString()); });

  pathField_ = new QComboBox(area);
  pathField_->setObjectName(QStringLiteral("folderPathField"));
  pathField_->setProperty(kControlIdProperty, kIdFolderPath);
  pathField_->setEditable(true);
  // The entries are the recent folders the program keeps; what is typed only selects.
  pathField_->setInsertPolicy(QComboBox::NoInsert);
  pathField_->lineEdit()->setPlaceholderText(tr("Type or paste a folder"));
  pathField_->setToolTip(
      tr("Type or paste a folder and press Enter to show it in the tree, e.g. ~/Jobs/2024; "
         "the list holds the folders shown recently"));
  connect(pathField_->lineEdit(), &QLineEdit::returnPressed, this, &BrowserPane::OnPathEntered);
  connect(pathField_, &QComboBox::activated, this, &BrowserPane::OnPathEntered);
  connect(tree_, &QTreeWidget::currentItemChanged, this, &BrowserPane::OnFolderShown);
}

void BrowserPane::OnPathEntered() {
  const QString folder = TypedFolder(pathField_->currentText());
  if (folder.isEmpty()) return;
  if (SelectFolder(folder.toStdString())) return;
  QToolTip::showText(pathField_->mapToGlobal(QPoint(0, pathField_->height())),
                     tr("No such folder: %1").arg(folder), pathField_);
}

void BrowserPane::OnFolderShown() {
  const QString folder = QString::fromStdString(tree_->GetSelectedPath());
  if (folder.isEmpty()) return;
  const int existing = pathField_->findText(folder, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (existing >= 0) pathField_->removeItem(existing);
  pathField_->insertItem(0, folder);
  while (pathField_->count() > kRecentFolderCount) pathField_->removeItem(pathField_->count() - 1);
  pathField_->setCurrentIndex(0);
}

void BrowserPane::SetRecentFolders(const std::vector<std::string>& folders) {
  pathField_->clear();
  for (const std::string& folder : folders) {
    if (pathField_->count() < kRecentFolderCount) {
      pathField_->addItem(QString::fromStdString(folder));
    }
  }
}

std::vector<std::string> BrowserPane::RecentFolders() const {
  std::vector<std::string> folders;
  for (int i = 0; i < pathField_->count(); ++i)
    folders.push_back(pathField_->itemText(i).toStdString());
  return folders;
}

QCheckBox* BrowserPane::TypeCheckBox(FileType type) const {
  for (size_t i = 0; i < kTypeBoxes.size(); ++i) {
    if (kTypeBoxes[i].type == type) return typeBoxes_[i];
  }
  return nullptr;
}

void BrowserPane::OnTypeBoxClicked(FileType type) {
  fileList_->ToggleFileType(type, *tree_);
}

void BrowserPane::OnTypeToggled(FileType type, bool enabled) {
  if (QCheckBox* box = TypeCheckBox(type)) box->setChecked(enabled);
  if (QAction* entry = TypeMenuEntry(type)) entry->setChecked(enabled);
}

std::vector<std::string> BrowserPane::SelectedPaths() const {
  return fileList_->SelectedFullPaths();
}

std::vector<std::string> BrowserPane::AllPaths() const {
  return fileList_->AllFullPaths();
}

std::string BrowserPane::SelectedFolder() const {
  return tree_->GetSelectedPath();
}

bool BrowserPane::SelectFolder(const std::string& path) {
  return tree_->SelectPath(path, true) != nullptr;
}

void BrowserPane::ListSubtree(const std::string& folder) {
  // A walk this one replaces ends quietly: the status it would clear belongs to the new walk now.
  replacingSubtree_ = true;
  fileList_->DeleteAllItems();
  replacingSubtree_ = false;
  fileList_->ListFolderTreeFiles(folder);
}

void BrowserPane::RefreshFileList() {
  const std::string folder = tree_->GetSelectedPath();
  if (!folder.empty()) fileList_->ListFolderFiles(folder);
}

void BrowserPane::ApplyTypeChecks(const StoredSettings& settings) {
  const std::pair<FileType, int> stored[] = {
      {FileType::Txt, settings.countTxt},     {FileType::Doc, settings.countDoc},
      {FileType::Rtf, settings.countRtf},     {FileType::Xls, settings.countXls},
      {FileType::Htm, settings.countHtm},     {FileType::Ppt, settings.countPpt},
      {FileType::Pdf, settings.countPdf},     {FileType::Odt, settings.countOdt},
      {FileType::Xliff, settings.countXliff}, {FileType::Po, settings.countPo},
      {FileType::Sub, settings.countSub},     {FileType::Md, settings.countMd},
      {FileType::More, settings.countMore}};
  for (const auto& [type, value] : stored) SetTypeChecked(type, value == 1);
}

void BrowserPane::StoreTypeChecks(StoredSettings& settings) const {
  auto state = [this](FileType type) { return IsTypeChecked(type) ? 1 : 0; };
  settings.countTxt = state(FileType::Txt);
  settings.countDoc = state(FileType::Doc);
  settings.countRtf = state(FileType::Rtf);
  settings.countXls = state(FileType::Xls);
  settings.countHtm = state(FileType::Htm);
  settings.countPpt = state(FileType::Ppt);
  settings.countPdf = state(FileType::Pdf);
  settings.countOdt = state(FileType::Odt);
  settings.countXliff = state(FileType::Xliff);
  settings.countPo = state(FileType::Po);
  settings.countSub = state(FileType::Sub);
  settings.countMd = state(FileType::Md);
  settings.countMore = state(FileType::More);
}

void BrowserPane::SetFileListColumnWidths(const std::array<int, 5>& widths) {
  for (size_t column = 0; column < widths.size(); ++column) {
    fileList_->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

}  // namespace tw
