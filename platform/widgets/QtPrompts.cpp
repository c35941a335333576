#include "platform/widgets/QtPrompts.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/Color.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void QtPrompts::prepare() {
  if (beforeShow_) beforeShow_();
}

int QtPrompts::MsgBox(const std::string& text, int style, const std::string& title) {
  prepare();
  QMessageBox box(parent_);
  box.setWindowTitle(q(title));
  box.setText(q(text));
  if (style & vbInformation)
    box.setIcon(QMessageBox::Information);
  else if (style & vbCritical)
    box.setIcon(QMessageBox::Critical);
  const int buttons = style & 7;
  if (buttons == vbYesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else if (buttons == vbYesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Ok: return vbOK;
    default:
      // Closed without a button: the answer that changes nothing.
      return buttons == vbYesNo ? vbNo : buttons == vbYesNoCancel ? vbCancel : vbOK;
  }
}

std::string QtPrompts::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultAnswer) {
  prepare();
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, q(title), q(prompt), QLineEdit::Normal, q(defaultAnswer), &ok);
  return ok ? text.toStdString() : std::string();
}

QStringList QtPrompts::qtFilters(const std::string& filter) {
  const QStringList parts = q(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // The description carries its own "(*.a;*.b)"; Qt reads the patterns from
    // the trailing parentheses, so ours replace it.
    const int open = description.lastIndexOf('(');
    if (open > 0 && description.endsWith(')')) description = description.left(open).trimmed();
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      const QString pat = p.trimmed();
      if (pat.isEmpty()) continue;
      if (!patterns.contains(pat)) patterns << pat;
      const QString up = pat.toUpper();
      if (!patterns.contains(up)) patterns << up;
    }
    if (patterns.isEmpty()) continue;
    out << description + " (" + patterns.join(' ') + ")";
  }
  return out;
}

void QtPrompts::fileDialog(CommonDialog& dlg, bool save) {
  prepare();
  QFileDialog fd(parent_, q(dlg.DialogTitle));
  fd.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  fd.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save && !(dlg.Flags & cdlOFNOverwritePrompt))
    fd.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = qtFilters(dlg.Filter);
  if (!filters.isEmpty()) {
    fd.setNameFilters(filters);
    if (dlg.FilterIndex >= 1 && dlg.FilterIndex <= filters.size())
      fd.selectNameFilter(filters[dlg.FilterIndex - 1]);
  }
  fd.setDirectory(startFolder(dlg.InitDir));
  if (!dlg.FileName.empty()) {
    const QFileInfo preset(q(dlg.FileName));
    if (preset.isAbsolute()) fd.setDirectory(preset.absolutePath());
    fd.selectFile(preset.fileName());
  }
  if (fd.exec() == QDialog::Accepted && !fd.selectedFiles().isEmpty()) {
    const QFileInfo file(fd.selectedFiles().first());
    dlg.FileName = file.filePath().toStdString();
    dlg.FileTitle = file.fileName().toStdString();
    remember(file.absolutePath());
    const int chosen = filters.indexOf(fd.selectedNameFilter());
    if (chosen >= 0) dlg.FilterIndex = chosen + 1;
  } else {
    dlg.FileName.clear();
    dlg.FileTitle.clear();
  }
}

QString QtPrompts::startFolder(const std::string& initDir) const {
  if (!initDir.empty()) return q(initDir);
  return lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
}

void QtPrompts::ShowOpen(CommonDialog& dlg) { fileDialog(dlg, false); }

void QtPrompts::ShowSave(CommonDialog& dlg) { fileDialog(dlg, true); }

std::string QtPrompts::ChooseFolder(const std::string& title, const std::string& start) {
  prepare();
  const QString folder =
      QFileDialog::getExistingDirectory(parent_, q(title), startFolder(start));
  if (!folder.isEmpty()) remember(folder);
  return folder.toStdString();
}

bool QtPrompts::ShowColor(int32_t& color) {
  prepare();
  const QColor chosen = QColorDialog::getColor(QColor(toQRgb(color)), parent_);
  if (!chosen.isValid()) return false;
  color = fromQRgb(chosen.rgb());
  return true;
}

void QtPrompts::RunModal(ModalForm& form) {
  prepare();
  form.execModal();
}
