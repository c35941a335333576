#include "platform/widgets/QtPrompts.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "platform/Color.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The text cut in its middle to `width` pixels, if wider: as many of its
// characters as fit, half from each end, never half a surrogate pair.
QString withoutMiddle(const QString& text, const QFontMetrics& fm, int width) {
  const auto cut = [&](qsizetype n) {
    qsizetype head = n - n / 2, tail = n / 2;
    if (head > 0 && text[head - 1].isHighSurrogate()) --head;
    if (tail > 0 && text[text.size() - tail].isLowSurrogate()) --tail;
    return text.left(head) + "..." + text.right(tail);
  };
  if (fm.horizontalAdvance(text) <= width) return text;
  qsizetype fits = 0, over = text.size();
  while (over - fits > 1) {
    const qsizetype n = (fits + over) / 2;
    (fm.horizontalAdvance(cut(n)) <= width ? fits : over) = n;
  }
  return cut(fits);
}

// A message may name a path of thousands of characters, or a file name with
// line breaks; left whole, the box would grow past the screen or cut the text
// off. QMessageBox wraps at half the screen (at most 500 pixels) and widens for
// a long word up to the screen (at most 1000 pixels where it is wider than
// 1024), its icon and margins taking some 100. So a word wider than the widest
// box loses its middle; the text gets half the screen's height, and each line an
// equal share of it at the narrowest wrap, a quarter left for early wraps; lines
// past one row each give way to "..." in the middle.
QString fittedToScreen(const QString& text, const QFontMetrics& fm, const QSize& screen) {
  QStringList lines = text.split('\n');
  const qsizetype rows = std::max(3, screen.height() / 2 / fm.lineSpacing());
  if (lines.size() > rows) {
    const qsizetype keep = (rows - 1) / 2;
    lines = lines.first(keep) + QStringList{"..."} + lines.last(keep);
  }
  const int widest = screen.width() <= 1024 ? screen.width() : std::min(screen.width() - 480, 1000);
  const int wordWidth = std::max(100, widest - 100);
  const int rowWidth = std::max(100, std::min(screen.width() / 2, 500) - 100);
  const int lineWidth = std::max(wordWidth, int(rows / lines.size()) * rowWidth * 3 / 4);
  for (QString& line : lines) {
    QStringList words = line.split(' ');
    for (QString& word : words) word = withoutMiddle(word, fm, wordWidth);
    line = withoutMiddle(words.join(' '), fm, lineWidth);
  }
  return lines.join('\n');
}

}  // namespace

void QtPrompts::prepare() {
  if (beforeShow_) beforeShow_();
}

int QtPrompts::MsgBox(const std::string& text, int style, const std::string& title) {
  prepare();
  QMessageBox box(parent_);
  box.setWindowTitle(q(title));
  // A file name may hold "<b>" or "&amp;": it is shown as it is, never as markup.
  box.setTextFormat(Qt::PlainText);
  const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
  box.setText(fittedToScreen(q(text), box.fontMetrics(), screen->availableGeometry().size()));
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
