#include "dialogs/frmAbout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <functional>

#include "dialogs/ClickableLabel.h"
#include "dialogs/CreditsBackground.h"
#include "model/ProgramInfo.h"
#include "platform/NumericText.h"

namespace {

const QColor kYellow(255, 255, 0);

// The scrolling area: it shows the backdrop from its own top-left corner, the
// same spot as the form's, so that it blends into the form.
class ScrollArea : public QWidget {
 public:
  ScrollArea(const QImage* picture, QWidget* parent) : QWidget(parent), picture_(picture) {}
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, *picture_);
  }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (rect().contains(e->position().toPoint()) && onClick) onClick();
  }

 private:
  const QImage* picture_;
};

void paintYellow(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, kYellow);
  w->setPalette(pal);
}

}  // namespace

std::array<std::string, 24> CreditLines() {
  const std::string team = "The Mosaicwright Team";
  const std::string artists = "The Ostrel Forge Artists";
  return {"Ostrel Forge",
          "Presents",
          "Mosaicwright (v" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
              "." + std::to_string(kVersionRevision) + ")",
          "",
          "Programmed By",
          team,
          "",
          "Graphics By",
          team,
          artists,
          "",
          "Testing and Ideas",
          team,
          "Our Beta Testers",
          artists,
          "The C64 Scene",
          "",
          "Check Our Website",
          "For Further Support",
          "",
          "Happy Mapping!",
          "",
          kBuildStamp,
          ""};
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), background_(CreditsBackground()) {
  setFixedSize(530, 273);

  auto* area = new ScrollArea(&background_, this);
  area->setGeometry(0, 0, 301, 273);
  area->onClick = [this] { picScroll_Click(); };
  picScroll_ = area;

  QFont lineFont(QStringLiteral("Arial"));
  lineFont.setStyleHint(QFont::SansSerif);
  lineFont.setPointSize(12);
  lineFont.setBold(true);
  for (int i = 1; i <= 24; ++i) {
    auto* l = new ClickableLabel(picScroll_);
    l->setFont(lineFont);
    l->onClick = [this, i] { lblScroll_Click(i); };
    lblScroll_[size_t(i)] = l;
  }

  lblExit_ = new ClickableLabel(QStringLiteral("Click To Close"), this);
  QFont small(QStringLiteral("MS Sans Serif"));
  small.setStyleHint(QFont::SansSerif);
  small.setPointSizeF(8.25);
  small.setBold(true);
  lblExit_->setFont(small);
  lblExit_->setGeometry(432, 240, 83, 13);
  paintYellow(lblExit_);
  lblExit_->onClick = [this] { lblExit_Click(); };

  tmrScroll_ = new QTimer(this);
  tmrScroll_->setInterval(kTickMs);
  connect(tmrScroll_, &QTimer::timeout, this, [this] { tmrScroll_Timer(); });

  Form_Load();
}

void frmAbout::Form_Load() {
  const std::array<std::string, 24> lines = CreditLines();
  const int areaHeight = picScroll_->height();
  for (int i = 1; i <= 24; ++i) {
    ClickableLabel* l = lblScroll_[size_t(i)];
    l->setText(QString::fromStdString(lines[size_t(i - 1)]));
    l->setAlignment(Qt::AlignHCenter);
    paintYellow(l);
    l->adjustSize();
    const int left = int(RoundHalfEven((picScroll_->width() - l->width()) / 2.0));
    l->move(left, areaHeight + l->height());
    l->show();
  }
  scroll_ = 0;
  tmrScroll_->start();
}

void frmAbout::tmrScroll_Timer() {
  scroll_ += 0.5;
  const int offset = int(RoundHalfEven(scroll_));
  const int areaHeight = picScroll_->height();
  for (int i = 1; i <= 24; ++i) {
    ClickableLabel* l = lblScroll_[size_t(i)];
    l->move(l->x(), areaHeight - offset + kLineSpacing * i);
  }
  if (lblScroll_[24]->y() < kRestartTop) scroll_ = 0;
}

void frmAbout::Form_MouseDown(int) { accept(); }
void frmAbout::lblScroll_Click(int) { accept(); }
void frmAbout::lblExit_Click() { accept(); }
void frmAbout::picScroll_Click() { accept(); }

void frmAbout::done(int result) {
  tmrScroll_->stop();
  QDialog::done(result);
}

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, background_);
}

void frmAbout::mousePressEvent(QMouseEvent* e) {
  const int button = e->button() == Qt::LeftButton    ? 1
                     : e->button() == Qt::RightButton ? 2
                     : e->button() == Qt::MiddleButton ? 4
                                                       : 0;
  Form_MouseDown(button);
}
