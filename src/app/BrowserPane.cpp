#include "app/BrowserPane.h"

#include <QCheckBox>
#include <QPushButton>

#include "app/ControlIds.h"
#include "browser/FileList.h"
#include "browser/FolderTree.h"
#include "store/SettingsModel.h"

namespace tw {
namespace {

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

BrowserPane::BrowserPane(QWidget* area) : QObject(area) {
  tree_ = new FolderTree(area);
  tree_->setObjectName(QStringLiteral("folderTree"));
  tree_->setProperty(kControlIdProperty, kIdFolderTree);
  fileList_ = new FileList(area);
  fileList_->setObjectName(QStringLiteral("fileList"));
  fileList_->setProperty(kControlIdProperty, kIdFileList);
  tree_->SetFileList(fileList_);
  tree_->ConfigureForMainWindow();

  addSubfolders_ = MakeButton(QStringLiteral("Add all files in subfolders"), "addSubfoldersButton",
                              kIdAddSubfolders, area);
  addSelected_ =
      MakeButton(QStringLiteral("Add selected"), "addSelectedButton", kIdAddSelected, area);
  addAll_ = MakeButton(QStringLiteral("Add all"), "addAllButton", kIdAddAll, area);
  CreateTypeBoxes(area);

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
  // Spreadsheets are listed only when the flag comes from the settings; they are never counted.
  TypeCheckBox(FileType::Xls)->setEnabled(false);
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

void BrowserPane::SelectFolder(const std::string& path) {
  tree_->SelectPath(path, true);
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
      {FileType::Txt, settings.countTxt}, {FileType::Doc, settings.countDoc},
      {FileType::Rtf, settings.countRtf}, {FileType::Xls, settings.countXls},
      {FileType::Htm, settings.countHtm}, {FileType::Ppt, settings.countPpt},
      {FileType::Pdf, settings.countPdf}};
  for (const auto& [type, value] : stored) {
    QCheckBox* box = TypeCheckBox(type);
    box->setChecked(value == 1);
    fileList_->TypeFlags().Flag(type) = box->isChecked() ? 1 : 0;
  }
}

void BrowserPane::StoreTypeChecks(StoredSettings& settings) const {
  auto state = [this](FileType type) { return TypeCheckBox(type)->isChecked() ? 1 : 0; };
  settings.countTxt = state(FileType::Txt);
  settings.countDoc = state(FileType::Doc);
  settings.countRtf = state(FileType::Rtf);
  settings.countXls = state(FileType::Xls);
  settings.countHtm = state(FileType::Htm);
  settings.countPpt = state(FileType::Ppt);
  settings.countPdf = state(FileType::Pdf);
}

void BrowserPane::SetFileListColumnWidths(const std::array<int, 5>& widths) {
  for (size_t column = 0; column < widths.size(); ++column) {
    fileList_->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

}  // namespace tw
