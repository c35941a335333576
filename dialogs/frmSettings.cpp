#include "dialogs/frmSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cstdio>

#include "dialogs/ClickableLabel.h"
#include "model/App.h"
#include "model/Settings.h"
#include "model/SettingsPath.h"
#include "platform/Color.h"
#include "platform/ProgramFolder.h"

namespace {

const QColor kDisabledBoxColor(0xC0, 0xC0, 0xC0);

QString q(const std::string& s) { return QString::fromStdString(s); }

// Empty and a single space both mean "no path": a reset writes the space.
bool isSet(const QString& text) { return !text.isEmpty() && text != " "; }

// The picture box holding the sample frame in the chosen selection colour.
class ShapeSample : public QWidget {
 public:
  ShapeSample(const int32_t* color, QWidget* parent) : QWidget(parent), color_(color) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(QPen(QColor(toQRgb(*color_)), 2));
    p.drawRect(QRectF(rect()).adjusted(4, 4, -4, -4));
  }

 private:
  const int32_t* color_;
};

QLabel* makeLabel(QWidget* parent, const char* text, int x, int y) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QPushButton* makeButton(QWidget* parent, const char* text, int x, int y, int w, int h) {
  auto* b = new QPushButton(QString::fromUtf8(text), parent);
  b->setGeometry(x, y, w, h);
  b->setAutoDefault(false);
  return b;
}

// Drawn in the system highlight colour so that it reads as a link; a disabled
// one greys out like any label.
ClickableLabel* makeLink(QWidget* parent, const char* text, int x, int y) {
  auto* l = new ClickableLabel(QString::fromUtf8(text), parent);
  QPalette pal = l->palette();
  const QColor highlight = qApp->palette().color(QPalette::Active, QPalette::Highlight);
  pal.setColor(QPalette::Active, QPalette::WindowText, highlight);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, highlight);
  l->setPalette(pal);
  l->setCursor(Qt::PointingHandCursor);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

frmSettings::frmSettings(App& a, QWidget* parent) : QDialog(parent), a_(a) {
  setWindowTitle(QStringLiteral("User Settings"));
  setFixedSize(424, 467);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  auto* label3 = new QLabel(QStringLiteral("Mosaicwright Settings"), this);
  QFont title = small;
  title.setPixelSize(16);
  title.setBold(true);
  label3->setFont(title);
  label3->move(8, 8);
  label3->adjustSize();
  auto* line1 = new QFrame(this);
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);
  line1->setGeometry(8, 32, 408, 4);

  auto* frame2 = new QGroupBox(QStringLiteral("Options"), this);
  frame2->setGeometry(8, 40, 206, 72);
  chkAskSaveExit_ = new QCheckBox(QStringLiteral("Ask To Save Datamap On Exit"), frame2);
  chkAskSaveExit_->move(10, 22);
  chkSaveWindow_ = new QCheckBox(QStringLiteral("Save Window Position On Exit"), frame2);
  chkSaveWindow_->move(10, 46);

  auto* frame3 = new QGroupBox(QStringLiteral("Custom Colors"), this);
  frame3->setGeometry(220, 40, 196, 72);
  cmdBorder_ = makeButton(frame3, "Tile Selected Border Color", 8, 20, 150, 22);
  picture1_ = new ShapeSample(&shpColorBorder_, frame3);
  picture1_->setGeometry(164, 20, 24, 22);
  cmdDTColor_ = makeButton(frame3, "Datatype Font Color", 8, 45, 150, 22);
  lblDTColor_ = new QLabel(QStringLiteral("00"), frame3);
  lblDTColor_->setGeometry(164, 45, 24, 22);
  lblDTColor_->setAlignment(Qt::AlignCenter);
  lblDTColor_->setAutoFillBackground(true);
  QFont bold = small;
  bold.setBold(true);
  lblDTColor_->setFont(bold);

  auto* frame5 = new QGroupBox(QStringLiteral("Random Fill Settings"), this);
  frame5->setGeometry(8, 118, 408, 92);
  for (int i = 1; i <= 3; ++i) {
    const int y = 20 + 22 * (i - 1);
    sliderLabels_[size_t(i)] = new QLabel(frame5);
    sliderLabels_[size_t(i)]->setGeometry(12, y + 2, 90, 16);
    QSlider* s = new QSlider(Qt::Horizontal, frame5);
    s->setGeometry(104, y, 292, 20);
    s->setRange(0, 100);
    s->setPageStep(5);
    sliders_[size_t(i)] = s;
    connect(s, &QSlider::valueChanged, this, [this, i] {
      if (!settingSliders_) Slider1_Scroll(i);
    });
  }

  auto* frame1 = new QGroupBox(QStringLiteral("Startup Options"), this);
  frame1->setGeometry(8, 216, 408, 204);
  buildStartupRows(frame1);

  label10_ = makeLink(this, "Load Defaults", 16, 438);
  label10_->setToolTip(QStringLiteral("Click here to reset to defaults."));
  cmdSave_ = makeButton(this, "&Save", 240, 428, 84, 30);
  cmdCancel_ = makeButton(this, "&Cancel", 332, 428, 84, 30);

  connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(cmdBorder_, &QPushButton::clicked, this, [this] { cmdBorder_Click(); });
  connect(cmdDTColor_, &QPushButton::clicked, this, [this] { cmdDTColor_Click(); });
  label10_->onClick = [this] { Label10_Click(); };

  Form_Load();
}

void frmSettings::buildStartupRows(QWidget* frame) {
  static const char* const captions[5] = {
      "Default Project To Load On Startup", "Default Location For Tilesets",
      "Default Location For Datamaps", "Default Tileset To Load On Startup",
      "Default Datamap To Load On Startup"};
  void (frmSettings::*const resets[5])() = {&frmSettings::Label13_Click, &frmSettings::Label6_Click,
                                            &frmSettings::Label7_Click, &frmSettings::Label8_Click,
                                            &frmSettings::Label9_Click};
  for (int r = 0; r < 5; ++r) {
    Row& row = rows_[size_t(r)];
    const int y = 18 + 36 * r;
    row.caption = makeLabel(frame, captions[r], 12, y);
    row.reset = makeLink(frame, "Reset", row.caption->geometry().right() + 10, y);
    row.box = new QLineEdit(frame);
    row.box->setGeometry(12, y + 15, 356, 20);
    row.select = makeButton(frame, "...", 372, y + 15, 26, 20);
    auto reset = resets[r];
    row.reset->onClick = [this, reset] { (this->*reset)(); };
    connect(row.select, &QPushButton::clicked, this, [this, r] { cmdSelect_Click(r); });
  }
  connect(txtStartupProject(), &QLineEdit::textChanged, this, [this] { txtStartupProject_Change(); });
  connect(txtStartupTiles(), &QLineEdit::textChanged, this, [this] { txtStartupTiles_Change(); });
  connect(txtStartupMap(), &QLineEdit::textChanged, this, [this] { txtStartupMap_Change(); });
}

void frmSettings::setShapeColor(int32_t color) {
  shpColorBorder_ = color;
  picture1_->update();
}

void frmSettings::setLabelColor(int32_t color) {
  lblDTColorText_ = color;
  QPalette pal = lblDTColor_->palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, QColor(toQRgb(color)));
  lblDTColor_->setPalette(pal);
}

void frmSettings::writeSliderCaptions() {
  for (int i = 1; i <= 3; ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "Tile %d - %03d%%", i, sliders_[size_t(i)]->value());
    sliderLabels_[size_t(i)]->setText(QString::fromLatin1(text));
  }
}

void frmSettings::Form_Load() {
  const ProgramState& st = a_.st;
  chkAskSaveExit_->setChecked(st.AskSave);
  chkSaveWindow_->setChecked(st.SaveWindow);
  setShapeColor(st.SelectColor);
  setLabelColor(st.DatatypeColor);

  txtStartupProject()->setText(q(st.StartupProject));
  txtMapsLoc()->setText(q(st.MapsDir));
  txtTilesLoc()->setText(q(st.TilesDir));
  txtStartupTiles()->setText(q(st.StartupTileset));
  txtStartupMap()->setText(q(st.StartupDatamap));

  // The slider's own range clamps a percentage edited outside 0..100.
  settingSliders_ = true;
  for (int i = 1; i <= 3; ++i) sliders_[size_t(i)]->setValue(st.RandomFill[size_t(i)]);
  settingSliders_ = false;
  writeSliderCaptions();
  Slider1_Scroll(1);
  Slider1_Scroll(2);
}

void frmSettings::Slider1_Scroll(int index) {
  auto value = [this](int i) { return sliders_[size_t(i)]->value(); };
  // 100 minus the other two, as they stand after the step before.
  auto fill = [&](int i, int a, int b) {
    sliders_[size_t(i)]->setValue(std::max(0, 100 - value(a) - value(b)));
  };
  const bool outer = settingSliders_;
  settingSliders_ = true;
  switch (index) {
    case 1: fill(2, 1, 3); fill(3, 1, 2); break;
    case 2: fill(1, 2, 3); fill(3, 1, 2); break;
    case 3: fill(1, 2, 3); fill(2, 1, 3); break;
    default: break;
  }
  settingSliders_ = outer;
  writeSliderCaptions();
}

void frmSettings::cmdSave_Click() {
  const EditableSettings chosen{
      .AskSave = chkAskSaveExit_->isChecked(),
      .SaveWindow = chkSaveWindow_->isChecked(),
      .SelectColor = shpColorBorder_,
      .DatatypeColor = lblDTColorText_,
      .RandomFill = {0, int16_t(sliders_[1]->value()), int16_t(sliders_[2]->value()),
                     int16_t(sliders_[3]->value())},
      .StartupProject = txtStartupProject()->text().toStdString(),
      .TilesDir = txtTilesLoc()->text().toStdString(),
      .MapsDir = txtMapsLoc()->text().toStdString(),
      .StartupTileset = txtStartupTiles()->text().toStdString(),
      .StartupDatamap = txtStartupMap()->text().toStdString(),
  };
  ApplyEditableSettings(a_.st, chosen);
  a_.frm.shpMapSelected.borderColor = chosen.SelectColor;
  a_.frm.shpTileSelected.borderColor = chosen.SelectColor;
  // The values hold for the run even when the file cannot take them: a
  // settings file that can never be written must not lock every setting.
  if (const WriteResult written = SaveSettings(a_); !written)
    a_.prompts->MsgBox("Cannot write Settings file (" + SettingsPath() + ")!" + damageNote(written),
                       vbCritical, "Settings Save Error");
  accept();
}

void frmSettings::cmdCancel_Click() { reject(); }

void frmSettings::cmdBorder_Click() {
  int32_t color = shpColorBorder_;
  if (a_.prompts->ShowColor(color)) setShapeColor(color);
}

void frmSettings::cmdDTColor_Click() {
  int32_t color = lblDTColorText_;
  if (a_.prompts->ShowColor(color)) setLabelColor(color);
}

void frmSettings::chooseFile(int row, const char* title, const char* filter) {
  CommonDialog CommonDialog1;
  CommonDialog1.InitDir = AppPath();
  CommonDialog1.DialogTitle = title;
  CommonDialog1.Filter = filter;
  CommonDialog1.FilterIndex = 1;
  CommonDialog1.Flags = cdlOFNFileMustExist;
  a_.prompts->ShowOpen(CommonDialog1);
  if (!CommonDialog1.FileName.empty()) rows_[size_t(row)].box->setText(q(CommonDialog1.FileName));
}

void frmSettings::chooseFolder(int row, const char* title) {
  QLineEdit* box = rows_[size_t(row)].box;
  const std::string start = isSet(box->text()) ? box->text().toStdString() : AppPath();
  std::string folder = a_.prompts->ChooseFolder(title, start);
  if (folder.empty()) return;
  // The file dialogs take the folder as the start of a path.
  if (folder.back() != '/') folder += '/';
  box->setText(q(folder));
}

void frmSettings::cmdSelect_Click(int index) {
  switch (index) {
    case 0: chooseFile(0, "Load Startup Project", "Projects (*.mwj)|*.mwj"); break;
    case 1: chooseFolder(1, "Select default Tiles Directory"); break;
    case 2: chooseFolder(2, "Select default Datamaps Directory"); break;
    case 3:
      chooseFile(3, "Load Startup TileSet", "Tile Sets (*.prg;*.bmp;*.chr)|*.prg;*.bmp;*.chr");
      break;
    case 4: chooseFile(4, "Load Startup Datamap", "Datamap Files (.map, .prg)|*.map;*.prg|"); break;
    default: break;
  }
}

void frmSettings::resetRow(int row) { rows_[size_t(row)].box->setText(QStringLiteral(" ")); }
void frmSettings::Label13_Click() { resetRow(0); }
void frmSettings::Label6_Click() { resetRow(1); }
void frmSettings::Label7_Click() { resetRow(2); }
void frmSettings::Label8_Click() { resetRow(3); }
void frmSettings::Label9_Click() { resetRow(4); }

void frmSettings::Label10_Click() {
  ProgramState& st = a_.st;
  st.AskSave = false;
  st.SaveWindow = false;
  st.SelectColor = kDefaultSelectColor;
  st.DatatypeColor = kDefaultDatatypeColor;
  for (std::string* path :
       {&st.StartupProject, &st.TilesDir, &st.MapsDir, &st.StartupTileset, &st.StartupDatamap})
    path->assign(1, ' ');
  st.RandomFill = kDefaultRandomFill;
  Form_Load();
}

void frmSettings::setRowEnabled(int row, bool enabled) {
  const Row& r = rows_[size_t(row)];
  r.box->setEnabled(enabled);
  QPalette pal = r.box->palette();
  pal.setColor(QPalette::Base, enabled ? qApp->palette().color(QPalette::Active, QPalette::Base)
                                       : kDisabledBoxColor);
  r.box->setPalette(pal);
  r.select->setEnabled(enabled);
  r.reset->setEnabled(enabled);
}

void frmSettings::txtStartupProject_Change() {
  const bool project = isSet(txtStartupProject()->text());
  setRowEnabled(3, !project);
  setRowEnabled(4, !project);
}

void frmSettings::txtStartupTiles_Change() {
  setRowEnabled(0, !isSet(txtStartupTiles()->text()) && !isSet(txtStartupMap()->text()));
}

void frmSettings::txtStartupMap_Change() { txtStartupTiles_Change(); }
