#include "editor/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "dialogs/frmAbout.h"
#include "dialogs/frmMapSize.h"
#include "dialogs/frmSettings.h"
#include "editor/FormWidgets.h"
#include "editor/KeyTranslation.h"
#include "editor/PictureView.h"
#include "editor/TileButtonIcons.h"
#include "editor/logic/DatatypeMode.h"
#include "editor/logic/DocumentLabelMenus.h"
#include "editor/logic/Exit.h"
#include "editor/logic/FileDrops.h"
#include "editor/logic/HelpCommands.h"
#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/MapEditing.h"
#include "editor/logic/StartUp.h"
#include "editor/logic/TileEditor.h"
#include "editor/logic/TileSheet.h"
#include "editor/logic/Zoom.h"
#include "platform/NumericText.h"
#include "platform/widgets/ListBoxHitTest.h"
#include "platform/widgets/QtPrompts.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kStatusBarHeight = 20;
constexpr int kRandFillWidth = 217, kRandFillHeight = 81;

QString q(const std::string& s) { return QString::fromStdString(s); }

QGroupBox* frame(QWidget* parent, const char* title, int x, int y, int w, int h) {
  auto* f = new FormFrame(QString::fromUtf8(title), parent);
  f->setGeometry(x, y, w, h);
  return f;
}

// The screen holding the point, else the nearest: a window stored with its
// title bar just past a screen's edge comes back on that screen, not on
// whichever screen a new window starts on.
QScreen* screenNearest(QPoint p) {
  QScreen* nearest = nullptr;
  qint64 least = 0;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect g = s->geometry();
    const qint64 dx = std::max({g.left() - p.x(), 0, p.x() - g.right()});
    const qint64 dy = std::max({g.top() - p.y(), 0, p.y() - g.bottom()});
    const qint64 distance = dx * dx + dy * dy;
    if (!nearest || distance < least) nearest = s, least = distance;
  }
  return nearest;
}

QLabel* label(QWidget* parent, const char* text, int x, int y, int w, int h) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setGeometry(x, y, w, h);
  return l;
}

}  // namespace

frmMain::frmMain(const std::string& commandLine, Prompts* prompts, QWidget* parent)
    : QMainWindow(parent) {
  if (!prompts) {
    ownPrompts_ = std::make_unique<QtPrompts>(this);
    qtPrompts_ = ownPrompts_.get();
    qtPrompts_->setBeforeShow([this] { sync(); });
    prompts = qtPrompts_;
  }
  a_.prompts = prompts;
  a_.host = this;

  setWindowTitle(q(a_.frm.caption));
  buildMenus();
  buildControls();
  buildStatusBar();
  wirePictures();
  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  layoutClient();

  // Key presses and releases anywhere in the window pass here first,
  // whichever control has the focus.
  qApp->installEventFilter(this);
  xkbScanCodes_ = PlatformReportsXkbScanCodes();

  Form_Load(a_, commandLine);
  updateClock();
  sync();
}

frmMain::~frmMain() {
  qApp->removeEventFilter(this);
  // The commands may still hold the host while the widgets go away.
  a_.host = &a_.defaultHost;
}

void frmMain::buildControls() {
  client_ = new QWidget(this);
  QFont small = client_->font();
  small.setPixelSize(11);
  client_->setFont(small);
  // The whole panel row stays in sight (the tile editor ends at 1025), and
  // the map viewport keeps at least one pixel each way above it.
  client_->setMinimumSize(1025, 191 - kStatusBarHeight);
  setCentralWidget(client_);

  picScroll_ = new QWidget(client_);
  picScroll_->setGeometry(0, 0, 1001, 593);
  picScroll_->setAutoFillBackground(true);
  controls_["picScroll"] = picScroll_;

  cmdTop_ = new QToolButton(client_);
  cmdTop_->setGeometry(1000, 0, 20, 17);
  cmdTop_->setArrowType(Qt::UpArrow);
  cmdTop_->setToolTip("Move To Top Of Datamap");
  scrVert_ = new QScrollBar(Qt::Vertical, client_);
  scrVert_->setGeometry(1000, 16, 21, 577);
  cmdLeft_ = new QToolButton(client_);
  cmdLeft_->setGeometry(0, 592, 25, 17);
  cmdLeft_->setArrowType(Qt::LeftArrow);
  cmdLeft_->setToolTip("Move To Far Left Of Datamap");
  scrHorz_ = new QScrollBar(Qt::Horizontal, client_);
  scrHorz_->setGeometry(24, 592, 977, 17);
  cmdHome_ = new QToolButton(client_);
  cmdHome_->setGeometry(1000, 592, 20, 17);
  cmdHome_->setToolTip("Move To Beginning Of Datamap");
  controls_["cmdTop"] = cmdTop_;
  controls_["cmdLeft"] = cmdLeft_;
  controls_["cmdHome"] = cmdHome_;
  controls_["scrVert"] = scrVert_;
  controls_["scrHorz"] = scrHorz_;
  connect(cmdTop_, &QToolButton::clicked, this, [this] { run([&] { cmdTop_Click(a_); }); });
  connect(cmdLeft_, &QToolButton::clicked, this, [this] { run([&] { cmdLeft_Click(a_); }); });
  connect(cmdHome_, &QToolButton::clicked, this, [this] { run([&] { cmdHome_Click(a_); }); });
  for (QScrollBar* bar : {scrVert_, scrHorz_}) {
    bar->setPageStep(1);
    // A dragged thumb moves the map once, when it is let go.
    bar->setTracking(false);
    const bool vertical = bar == scrVert_;
    connect(bar, &QScrollBar::valueChanged, this,
            [this, vertical](int v) { run([&] { SetScrollValue(a_, vertical, v); }); });
  }

  frame2_ = frame(client_, "Information", 0, 608, 185, 153);
  const struct {
    const char* name;
    const char* text;
    int x, y, w;
  } info[] = {
      {"lblProject", "", 8, 16, 170},     {"Label2", "Datamap:", 8, 36, 56},
      {"lblMapSize", "", 64, 36, 110},    {"lblMapName", "", 16, 52, 162},
      {"lblTYPEName", "", 16, 68, 162},   {"Label1", "Tileset:", 8, 90, 56},
      {"lblTileName", "", 16, 106, 162},  {"lblCMAPName", "", 16, 122, 162},
  };
  for (const auto& d : info) {
    auto* l = new ClickLabel(QString::fromUtf8(d.text), frame2_);
    l->setGeometry(d.x, d.y, d.w, 16);
    labels_[d.name] = l;
    controls_[d.name] = l;
  }
  QFont bold = labels_["lblProject"]->font();
  bold.setBold(true);
  labels_["lblProject"]->setFont(bold);
  labels_["lblProject"]->onRelease = [this](int b) {
    if (b == 1) run([&] { lblProject_Click(a_); });
  };
  labels_["lblMapName"]->onRelease = [this](int) { run([&] { lblMapName_MouseUp(a_); }); };
  labels_["lblTYPEName"]->onRelease = [this](int b) {
    if (b == 1) run([&] { lblTYPEName_Click(a_); });
  };
  labels_["lblTileName"]->onRelease = [this](int) { run([&] { lblTileName_MouseUp(a_); }); };
  labels_["lblCMAPName"]->onRelease = [this](int) { run([&] { lblCMAPName_MouseUp(a_); }); };

  frame3_ = frame(client_, "Tileset", 184, 608, 529, 153);
  frame1_ = frame(client_, "Palette", 712, 608, 113, 153);
  for (int i = 0; i < 16; ++i) {
    auto* box = new ColorBox(&a_.frm.picColor[size_t(i)], frame1_);
    box->setGeometry(8 + 16 * (i / 8), 16 + 16 * (i % 8), 16, 16);
    box->onClick = [this, i](int b) {
      if (b == 1) run([&] { picColor_Click(a_, i); });
    };
    colorBoxes_.push_back(box);
    controls_["picColor(" + std::to_string(i) + ")"] = box;
  }
  const char* colorLabels[] = {"Character", "Color #1", "Color #2"};
  for (int i = 0; i < 3; ++i) {
    const int y = 16 + 36 * i;
    controls_["lblColor(" + std::to_string(i) + ")"] =
        label(frame1_, colorLabels[i], 48, y, 60, 16);
    auto* box = new ColorBox(&a_.frm.picMultiColor[size_t(i)], frame1_);
    box->setGeometry(52, y + 16, 48, 16);
    colorBoxes_.push_back(box);
    controls_["picMultiColor(" + std::to_string(i) + ")"] = box;
  }
  auto* multi = new QCheckBox("Multi Color", frame1_);
  QFont checkFont = multi->font();
  checkFont.setPixelSize(9);
  checkFont.setStretch(QFont::Condensed);
  multi->setFont(checkFont);
  multi->setGeometry(44, 126, 65, 18);
  controls_["chkMultiColor"] = multi;

  frame4_ = frame(client_, "Tile", 824, 608, 201, 153);
  tileBits_ = new TileBitsView(&a_.frm.picTileBits, frame4_);
  tileBits_->setGeometry(8, 16, 128, 128);
  tileBits_->onMouseDown = [this](int index, int b, int s, float x, float y) {
    run([&] { picTileBits_MouseDown(a_, index, b, s, x, y); });
  };
  controls_["picTileBits"] = tileBits_;
  buildTileButtons();

  frame5_ = frame(client_, "Datatypes", 712, 608, 313, 153);
  auto* datatypes = new ListBoxView(frame5_);
  datatypes->onMouseUp = [this](int b, int s, float x, float y) {
    run([&] { lstDatatypes_MouseUp(a_, b, s, x, y); });
  };
  lstDatatypes_ = datatypes;
  lstDatatypes_->setGeometry(8, 16, 297, 129);
  controls_["lstDatatypes"] = lstDatatypes_;
  connect(lstDatatypes_, &QListWidget::currentRowChanged, this,
          [this](int row) { a_.frm.lstDatatypes.listIndex = row; });

  controls_["Frame1"] = frame1_;
  controls_["Frame2"] = frame2_;
  controls_["Frame3"] = frame3_;
  controls_["Frame4"] = frame4_;
  controls_["Frame5"] = frame5_;
}

void frmMain::buildTileButtons() {
  const struct {
    const char* name;
    const char* tooltip;
    int x, y;
    void (*click)(App&);
  } buttons[] = {
      {"cmdInvert", "Invert Colors", 144, 24, cmdInvert_Click},
      {"cmdRotate", "Rotate Tile", 168, 24, cmdRotate_Click},
      {"cmdMirrorX", "Mirror X", 144, 48, cmdMirrorX_Click},
      {"cmdMirrorY", "Mirror Y", 168, 48, cmdMirrorY_Click},
      {"cmdTileUp", "Shift Tile Up 1 Bit", 144, 72, cmdTileUp_Click},
      {"cmdTileDown", "Shift Tile Down 1 Bit", 168, 72, cmdTileDown_Click},
      {"cmdTileLeft", "Shift Tile Left 1 Bit", 144, 96, cmdTileLeft_Click},
      {"cmdTileRight", "Shift Tile Right 1 Bit", 168, 96, cmdTileRight_Click},
      {"cmdClear", "Delete Tile", 144, 120, cmdClear_Click},
      {"cmdUndo", "Tile Undo", 168, 120, cmdUndo_Click},
  };
  const QColor ink = frame4_->palette().color(QPalette::ButtonText);
  for (const auto& d : buttons) {
    auto* b = new QToolButton(frame4_);
    b->setGeometry(d.x, d.y, 22, 22);
    b->setIcon(TileButtonIcon(d.name, ink));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(QString::fromUtf8(d.tooltip));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, click = d.click] { run([&] { click(a_); }); });
    controls_[d.name] = b;
  }
  cmdUndo_ = static_cast<QToolButton*>(controls_["cmdUndo"]);
  cmdClear_ = static_cast<QToolButton*>(controls_["cmdClear"]);
}

void frmMain::wirePictures() {
  MainForm& f = a_.frm;
  picMap_ = new PictureView(f.picMap, picScroll_);
  picMap_->addHover(&f.picTileSelectedHover);
  picMap_->addHover(&f.picMapBufferHover);
  picMap_->addShape(&f.shpMapCursor);
  picMap_->setFocusPolicy(Qt::ClickFocus);
  picMap_->onMouseDown = [this](int b, int s, float x, float y) {
    run([&] { picMap_MouseDown(a_, b, s, x, y); });
  };
  picMap_->onMouseMove = [this](int b, int s, float x, float y) {
    run([&] { picMap_MouseMove(a_, b, s, x, y); });
  };
  picMap_->onMouseUp = [this](int b, int s, float x, float y) {
    run([&] { picMap_MouseUp(a_, b, s, x, y); });
  };
  picMap_->acceptFileDrops([this](const std::vector<std::string>& paths) {
    run([&] { picMap_OLEDragDrop(a_, paths); });
  });

  picZoom_ = new PictureView(f.picZoom, picScroll_);
  picZoom_->onMouseUp = [this](int b, int, float, float) {
    if (b == 1) run([&] { picZoom_Click(a_); });
  };

  picRandFill_ = new QFrame(picScroll_);
  auto* rf = static_cast<QFrame*>(picRandFill_);
  rf->setFrameShape(QFrame::Panel);
  rf->setFrameShadow(QFrame::Raised);
  rf->setAutoFillBackground(true);
  rf->resize(kRandFillWidth, kRandFillHeight);
  auto* l7 = label(rf, "Select 3 Tiles for Random Fill", 4, 6, kRandFillWidth - 8, 16);
  auto* l3 = label(rf, "(Press ESC to cancel)", 4, 22, kRandFillWidth - 8, 16);
  l7->setAlignment(Qt::AlignCenter);
  l3->setAlignment(Qt::AlignCenter);
  controls_["picRandFill"] = rf;
  controls_["Label7"] = l7;
  controls_["Label3"] = l3;
  Picture* fills[] = {&f.picFill1, &f.picFill2, &f.picFill3};
  for (int i = 0; i < 3; ++i) {
    auto* v = new PictureView(*fills[i], rf, QPoint(68 + 32 * i, 50));
    fillViews_.push_back(v);
    controls_["picFill" + std::to_string(i + 1)] = v;
  }

  picTileView_ = new PictureView(f.picTileView, frame3_, QPoint(8, 18));
  picTileView_->addShape(&f.shpTilesUsed[0]);
  for (size_t t = 1; t < f.shpTilesUsed.size(); ++t)
    picTileView_->addShape(&f.shpTilesUsed[t], &f.shpTilesUsedExists[t]);
  picTileView_->addShape(&f.shpTileSelected);
  picTileView_->addShape(&f.shpTileCursor);
  picTileView_->onMouseDown = [this](int b, int s, float x, float y) {
    run([&] { picTileView_MouseDown(a_, b, s, x, y); });
  };
  picTileView_->onMouseMove = [this](int b, int s, float x, float y) {
    run([&] { picTileView_MouseMove(a_, b, s, x, y); });
  };
  picTileView_->onMouseUp = [this](int b, int s, float x, float y) {
    run([&] { picTileView_MouseUp(a_, b, s, x, y); });
  };
  picTileView_->acceptFileDrops([this](const std::vector<std::string>& paths) {
    run([&] { picTileView_OLEDragDrop(a_, paths); });
  });
  controls_["picMap"] = picMap_;
  controls_["picZoom"] = picZoom_;
  controls_["picTileView"] = picTileView_;
}

void frmMain::buildStatusBar() {
  // The form's status bar lies inside its client area: the panel row above it
  // is laid out from the height that includes it.
  statusBar_ = new QStatusBar(this);
  statusBar_->setSizeGripEnabled(false);
  statusBar_->setFixedHeight(kStatusBarHeight);
  setStatusBar(statusBar_);
  const int widths[] = {96, 96, 48, 48, 96, 80, 0};
  for (int i = 0; i < 7; ++i) {
    auto* p = new ClickLabel(statusBar_);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    if (widths[i]) p->setMinimumWidth(widths[i]);
    p->onRelease = [this, i](int b) {
      if (b == 1) run([&] { StatusBar1_PanelClick(a_, i + 1); });
    };
    statusBar_->addWidget(p, widths[i] ? 0 : 1);
    panels_.push_back(p);
  }
  panels_[0]->setToolTip("Mouse Cursor X Position");
  panels_[1]->setToolTip("Mouse Cursor Y Position");
  // Qt offers no portable reading of the lock keys: the panels show their names.
  panels_[2]->setText("CAPS");
  panels_[3]->setText("NUM");
  panels_[2]->setAlignment(Qt::AlignCenter);
  panels_[3]->setAlignment(Qt::AlignCenter);
  panels_[6]->setCursor(Qt::PointingHandCursor);
  controls_["StatusBar1"] = statusBar_;

  clock_ = new QTimer(this);
  connect(clock_, &QTimer::timeout, this, [this] {
    updateClock();
    syncStatusBar();
  });
  clock_->start(1000);
}

void frmMain::updateClock() {
  const QLocale locale;
  a_.frm.statusPanel[4] = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  a_.frm.statusPanel[5] = locale.toString(QTime::currentTime(), QLocale::ShortFormat).toStdString();
}

void frmMain::layoutClient() {
  if (isMinimized() || !client_) return;
  const int W = client_->width(), H = client_->height() + kStatusBarHeight;
  cmdTop_->move(W - cmdTop_->width(), cmdTop_->y());
  cmdHome_->move(W - cmdHome_->width(), cmdHome_->y());
  scrVert_->move(W - scrVert_->width(), scrVert_->y());
  scrHorz_->resize(cmdHome_->x() - scrHorz_->x(), scrHorz_->height());
  picScroll_->resize(W - picScroll_->x() - scrVert_->width(), picScroll_->height());
  const int frameTop = H - frame2_->height() - kStatusBarHeight;
  for (QGroupBox* fr : {frame2_, frame3_, frame1_, frame4_, frame5_}) fr->move(fr->x(), frameTop);
  cmdLeft_->move(cmdLeft_->x(), frameTop - cmdLeft_->height());
  scrHorz_->move(scrHorz_->x(), cmdLeft_->y());
  cmdHome_->move(cmdHome_->x(), cmdLeft_->y());
  scrVert_->resize(scrVert_->width(), std::max(0, cmdLeft_->y() - scrVert_->y()));
  picScroll_->resize(picScroll_->width(), cmdTop_->height() + scrVert_->height());
  picRandFill_->move((picScroll_->width() - picRandFill_->width()) / 2,
                     (picScroll_->height() - picRandFill_->height()) / 2);
  a_.frm.picScrollWidth = picScroll_->width();
  a_.frm.picScrollHeight = picScroll_->height();
}

void frmMain::sync() {
  MainForm& f = a_.frm;
  setWindowTitle(q(f.caption));

  const std::pair<const char*, const Label*> shown[] = {
      {"lblProject", &f.lblProject},   {"lblMapName", &f.lblMapName},
      {"lblMapSize", &f.lblMapSize},   {"lblTYPEName", &f.lblTYPEName},
      {"lblTileName", &f.lblTileName}, {"lblCMAPName", &f.lblCMAPName},
  };
  for (const auto& [name, data] : shown) {
    ClickLabel* l = labels_[name];
    l->setText(q(data->caption));
    l->setToolTip(q(data->tooltip));
    l->setVisible(data->visible);
  }

  const std::pair<QGroupBox*, const Frame*> frames[] = {
      {frame1_, &f.Frame1}, {frame2_, &f.Frame2}, {frame3_, &f.Frame3},
      {frame4_, &f.Frame4}, {frame5_, &f.Frame5},
  };
  for (const auto& [w, data] : frames) {
    w->setVisible(data->visible);
    w->setEnabled(data->enabled);
  }

  picMap_->sync();
  picZoom_->sync();
  picTileView_->sync();
  for (PictureView* v : fillViews_) v->sync();
  picRandFill_->setVisible(f.picRandFillVisible);
  picRandFill_->setEnabled(f.picRandFillEnabled);

  const std::pair<QScrollBar*, const ScrollBar*> bars[] = {{scrVert_, &f.scrVert},
                                                           {scrHorz_, &f.scrHorz}};
  for (const auto& [w, data] : bars) {
    const QSignalBlocker quiet(w);
    w->setRange(data->min, data->max);
    w->setValue(data->value);
  }

  for (ColorBox* b : colorBoxes_) b->sync();
  tileBits_->sync();
  cmdUndo_->setEnabled(f.cmdUndoEnabled);
  cmdClear_->setEnabled(f.cmdClearEnabled);
  syncList();
  syncStatusBar();
  syncMenus();
}

void frmMain::syncList() {
  const std::vector<std::string>& items = a_.frm.lstDatatypes.items;
  const QSignalBlocker quiet(lstDatatypes_);
  if (items.size() != listShown_.size()) {
    lstDatatypes_->clear();
    for (const std::string& s : items) lstDatatypes_->addItem(q(s));
    listShown_ = items;
  } else {
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i] != listShown_[i]) {
        lstDatatypes_->item(int(i))->setText(q(items[i]));
        listShown_[i] = items[i];
      }
  }
  const int index = a_.frm.lstDatatypes.listIndex;
  if (lstDatatypes_->currentRow() != index) lstDatatypes_->setCurrentRow(index);
}

void frmMain::syncStatusBar() {
  for (int i : {0, 1, 4, 5, 6}) panels_[size_t(i)]->setText(q(a_.frm.statusPanel[size_t(i)]));
}

QWidget* frmMain::mapView() { return picMap_; }
QWidget* frmMain::tileSheetView() { return picTileView_; }

QWidget* frmMain::control(const std::string& controlName) {
  auto it = controls_.find(controlName);
  return it == controls_.end() ? nullptr : it->second;
}

void frmMain::keyInWindow(QKeyEvent* e) {
  if (e->isAutoRepeat()) return;
  const KeyUpArgs k = TranslateKeyEvent(*e, xkbScanCodes_);
  // A menu shortcut's press reaches the window only as its override query;
  // every offer of a press, on its way up the parents too, records the same.
  if (e->type() != QEvent::KeyRelease) return keysDown_.pressed(k);
  if (const std::optional<KeyUpArgs> down = keysDown_.released(k.keyCode))
    run([&] { Form_KeyUp(a_, down->keyCode, down->shift); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type t = e->type();
  if (t == QEvent::Resize && watched == client_) {
    layoutClient();
  } else if ((t == QEvent::KeyPress || t == QEvent::ShortcutOverride || t == QEvent::KeyRelease) &&
             watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
    keyInWindow(static_cast<QKeyEvent*>(e));
  } else if (t == QEvent::WindowDeactivate && watched == this) {
    // Keys let go in another window leave no press behind to act on later.
    keysDown_.clear();
  }
  return QMainWindow::eventFilter(watched, e);
}

void frmMain::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) layoutClient();
}

void frmMain::closeEvent(QCloseEvent* e) {
  bool cancel = false;
  Form_Unload(a_, cancel);
  sync();
  if (cancel)
    e->ignore();
  else
    e->accept();
}

void frmMain::DoEvents() {
  sync();
  QCoreApplication::processEvents();
}

void frmMain::RepaintTileGrid() {
  tileBits_->sync();
  tileBits_->repaint();
}

void frmMain::ShowMapSizeDialog() {
  frmMapSize dlg(app(), this);
  app().prompts->RunModal(dlg);
}

void frmMain::ShowSettingsDialog() {
  frmSettings dlg(app(), this);
  app().prompts->RunModal(dlg);
}

void frmMain::ShowCreditsBox() {
  frmAbout dlg(this);
  app().prompts->RunModal(dlg);
}

void frmMain::CloseWindow() { close(); }

void frmMain::OpenUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(q(url))); }

ListHit frmMain::DatatypeItemFromPoint(int x, int y) const {
  return ListBoxItemFromPoint(*lstDatatypes_, QPoint(x, y));
}

WindowPlacement frmMain::CurrentPlacement() const {
  WindowPlacement p;
  p.state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
  // Position of the outer frame, size of the window inside it: the pair that
  // move() and resize() take back unchanged at the next start.
  const QPoint pos = frameGeometry().topLeft();
  p.left = pos.x() * kTwipsPerPixel;
  p.top = pos.y() * kTwipsPerPixel;
  p.width = width() * kTwipsPerPixel;
  p.height = height() * kTwipsPerPixel;
  return p;
}

void frmMain::ApplyPlacement(const WindowPlacement& p, bool geometryToo) {
  setWindowState(p.state == 1 ? Qt::WindowMinimized
                 : p.state == 2 ? Qt::WindowMaximized
                                : Qt::WindowNoState);
  if (!geometryToo) return;
  QPoint pos(int(RoundHalfEven(p.left / double(kTwipsPerPixel))),
             int(RoundHalfEven(p.top / double(kTwipsPerPixel))));
  QSize size = this->size();
  // A size of nothing (an empty or hand-edited setting) would leave no window.
  if (p.width > 0 && p.height > 0)
    size = QSize(int(RoundHalfEven(p.width / double(kTwipsPerPixel))),
                 int(RoundHalfEven(p.height / double(kTwipsPerPixel))));
  // A hand-edited placement, or one saved on a screen that is gone or was
  // larger, still brings the window back on the screen nearest to it and no
  // larger than it, but never smaller than the panel row; the title bar stays
  // in reach.
  if (QScreen* on = screenNearest(pos)) {
    const QRect avail = on->availableGeometry();
    size = size.boundedTo(avail.size()).expandedTo(minimumSizeHint());
    const QSize frame = size + frameGeometry().size() - geometry().size();
    const QPoint last = avail.bottomRight() + QPoint(1, 1) - QPoint(frame.width(), frame.height());
    pos.setX(std::clamp(pos.x(), avail.left(), std::max(avail.left(), last.x())));
    pos.setY(std::clamp(pos.y(), avail.top(), std::max(avail.top(), last.y())));
  }
  move(pos);
  resize(size);
}

int frmMain::ScreenWidthTwips() const {
  return (screen() ? screen()->geometry().width() : 1920) * kTwipsPerPixel;
}

int frmMain::ScreenHeightTwips() const {
  return (screen() ? screen()->geometry().height() : 1080) * kTwipsPerPixel;
}
