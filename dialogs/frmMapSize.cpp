#include "dialogs/frmMapSize.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

#include "model/App.h"
#include "platform/NumericText.h"

namespace {

QLabel* makeLabel(QWidget* parent, const char* text, int x, int y) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QSlider* makeSlider(QWidget* parent, int x, int y, int maximum) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setGeometry(x, y, 145, 25);
  s->setRange(0, maximum);
  s->setPageStep(5);
  return s;
}

QLineEdit* makeBox(QWidget* parent, int x, int y) {
  auto* e = new QLineEdit(QStringLiteral("###"), parent);
  e->setGeometry(x, y, 73, 28);
  QFont f = e->font();
  f.setPointSize(12);
  f.setBold(true);
  e->setFont(f);
  return e;
}

QPushButton* makeButton(QWidget* parent, const char* text, int x, int y) {
  auto* b = new QPushButton(QString::fromUtf8(text), parent);
  b->setGeometry(x, y, 73, 33);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

frmMapSize::frmMapSize(App& a, QWidget* parent) : QDialog(parent), a_(a) {
  setWindowTitle(QStringLiteral("Datamap Size"));
  setFixedSize(223, 187);

  lblWidth_ = makeLabel(this, "Width", 16, 16);
  sldWidth_ = makeSlider(this, 64, 16, 256);
  lblHeight_ = makeLabel(this, "Height", 16, 56);
  sldHeight_ = makeSlider(this, 64, 48, 128);
  txtWidth_ = makeBox(this, 16, 88);
  label1_ = makeLabel(this, "X", 104, 88);
  txtHeight_ = makeBox(this, 136, 88);
  cmdOK_ = makeButton(this, "&Ok", 16, 128);
  cmdCancel_ = makeButton(this, "&Cancel", 136, 128);
  lblError_ = new QLabel(QStringLiteral("Invalid Width / Height!"), this);
  lblError_->setGeometry(8, 168, 201, 17);
  QPalette red = lblError_->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  lblError_->setPalette(red);
  lblError_->hide();

  connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  // Every change of the text, also one made by the check itself, is checked.
  connect(txtWidth_, &QLineEdit::textChanged, this, [this] { txtWidth_Change(); });
  connect(txtHeight_, &QLineEdit::textChanged, this, [this] { txtHeight_Change(); });
  // Only the user's moves: the check's own setValue must not write the box back.
  connect(sldWidth_, &QSlider::actionTriggered, this, [this] { sldWidth_Scroll(); });
  connect(sldHeight_, &QSlider::actionTriggered, this, [this] { sldHeight_Scroll(); });
  txtWidth_->installEventFilter(this);
  txtHeight_->installEventFilter(this);

  Form_Load();
}

frmMapSize::Dimension frmMapSize::widthEntry() const {
  return {txtWidth_, sldWidth_, 256, "Invalid Width (1-256)!"};
}

frmMapSize::Dimension frmMapSize::heightEntry() const {
  return {txtHeight_, sldHeight_, 128, "Invalid Height (1-128)!"};
}

void frmMapSize::Form_Load() {
  a_.st.MsgResult = 2;
  txtWidth_->setText(QString::number(a_.st.MapWidth));
  sldWidth_->setValue(a_.st.MapWidth);
  txtHeight_->setText(QString::number(a_.st.MapHeight));
  sldHeight_->setValue(a_.st.MapHeight);
}

// Returns whether the entry was good; a bad one is replaced by the current size.
bool frmMapSize::checkEntry(const Dimension& d, int current) {
  const double v = Val(d.box->text().toStdString());
  const bool bad = !(v >= 1 && v <= d.limit);
  if (bad) {
    // A size outside the range (a map read with a zero size byte) would make
    // the restored text bad as well, and the check would never end.
    current = std::clamp(current, 1, d.limit);
    d.box->setText(QString::number(current));  // checks again, and passes
    lblError_->setText(QString::fromUtf8(d.message));
    lblError_->show();
    d.box->selectAll();
  } else {
    lblError_->hide();
  }
  const double now = Val(d.box->text().toStdString());
  d.slider->setValue(int(RoundHalfEven(std::clamp(now, 0.0, double(d.limit)))));
  return !bad;
}

void frmMapSize::txtWidth_Change() { checkEntry(widthEntry(), a_.st.MapWidth); }

void frmMapSize::txtHeight_Change() { checkEntry(heightEntry(), a_.st.MapHeight); }

void frmMapSize::txtWidth_GotFocus() { txtWidth_->selectAll(); }

void frmMapSize::txtHeight_GotFocus() { txtHeight_->selectAll(); }

void frmMapSize::sliderMoved(const Dimension& d) {
  // While the action runs the value is still the old one; the position is the new.
  d.box->setText(QString::number(d.slider->sliderPosition()));
  lblError_->hide();
}

void frmMapSize::sldWidth_Scroll() { sliderMoved(widthEntry()); }

void frmMapSize::sldHeight_Scroll() { sliderMoved(heightEntry()); }

void frmMapSize::cmdOK_Click() {
  // The boxes were checked on every change, but a size of 0 must never get
  // through, whatever reached the text: refuse here as the check would.
  for (const Dimension& d : {widthEntry(), heightEntry()}) {
    const double v = Val(d.box->text().toStdString());
    if (!(v >= 1 && v <= d.limit)) {
      lblError_->setText(QString::fromUtf8(d.message));
      lblError_->show();
      d.box->setFocus();
      d.box->selectAll();
      return;
    }
  }
  const int32_t w = int32_t(RoundHalfEven(Val(txtWidth_->text().toStdString()) - 1));
  a_.st.MapWidthByte = uint8_t(w & 0xFF);
  a_.st.MapWidth = int16_t(w + 1);
  const int32_t h = int32_t(RoundHalfEven(Val(txtHeight_->text().toStdString()) - 1));
  a_.st.MapHeightByte = uint8_t(h & 0xFF);
  a_.st.MapHeight = int16_t(h + 1);
  a_.st.MsgResult = 1;
  closingByCode_ = true;
  accept();
}

// MsgResult still holds the 2 (Cancel) the dialog opened with: only OK changes it.
void frmMapSize::cmdCancel_Click() {
  closingByCode_ = true;
  QDialog::reject();
}

void frmMapSize::Form_QueryUnload(bool& cancel, int unloadMode) {
  cancel = false;
  if (unloadMode != kByCode) a_.st.MsgResult = 2;
}

void frmMapSize::reject() {
  // Escape and the close box end here.
  bool cancel = false;
  Form_QueryUnload(cancel, closingByCode_ ? kByCode : kCloseBox);
  QDialog::reject();
}

void frmMapSize::closeEvent(QCloseEvent* e) {
  bool cancel = false;
  Form_QueryUnload(cancel, closingByCode_ ? kByCode : kCloseBox);
  QDialog::closeEvent(e);
}

bool frmMapSize::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    if (watched == txtWidth_) txtWidth_GotFocus();
    if (watched == txtHeight_) txtHeight_GotFocus();
  }
  return QDialog::eventFilter(watched, e);
}
