#pragma once
#include <QMainWindow>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/KeyTranslation.h"
#include "model/App.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QScrollBar;
class QStatusBar;
class QTimer;
class QToolButton;
class QtPrompts;
class PictureView;
class ColorBox;
class TileBitsView;
class ClickLabel;

// The editor's main window. It owns the program (App) and only shows the
// form's controls held as data there, and turns the user's input into the
// commands' calls; the commands hold the behaviour.
class frmMain : public QMainWindow, public WindowHost {
 public:
  explicit frmMain(const std::string& commandLine, Prompts* prompts = nullptr,
                   QWidget* parent = nullptr);
  ~frmMain() override;

  App& app() { return a_; }
  QWidget* mapView();
  QWidget* tileSheetView();
  QAction* action(const std::string& controlName);
  QMenu* menuByName(const std::string& controlName);
  QStatusBar* statusBarWidget() { return statusBar_; }
  QWidget* control(const std::string& controlName);
  // Shows what the commands changed in the form's data.
  void sync();

  // WindowHost
  void DoEvents() override;
  void RepaintTileGrid() override;
  void ShowPopupMenu(const std::string& menuName) override;
  void ShowMapSizeDialog() override;
  void ShowSettingsDialog() override;
  void ShowCreditsBox() override;
  void CloseWindow() override;
  void OpenUrl(const std::string& url) override;
  ListHit DatatypeItemFromPoint(int x, int y) const override;
  WindowPlacement CurrentPlacement() const override;
  void ApplyPlacement(const WindowPlacement& p, bool geometryToo) override;
  int ScreenWidthTwips() const override;
  int ScreenHeightTwips() const override;

  // Design size of the client area (below the menu bar, status bar included).
  static constexpr int kClientWidth = 1029;
  static constexpr int kClientHeight = 780;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct MenuNode {
    std::string name, parent;
    QAction* action = nullptr;
    QMenu* menu = nullptr;  // submenus and top menus
    bool separator, recentFile;
  };

  void buildControls();
  void buildTileButtons();
  void buildMenus();
  void buildStatusBar();
  void wirePictures();
  void layoutClient();  // the resize rule of the form
  void syncMenus();
  void syncStatusBar();
  void syncList();
  void updateClock();
  void keyInWindow(QKeyEvent* e);
  // Runs a command, then shows what it changed.
  template <class F>
  void run(F&& command) {
    command();
    sync();
  }

  App a_;
  std::unique_ptr<QtPrompts> ownPrompts_;
  QtPrompts* qtPrompts_ = nullptr;

  QWidget* client_ = nullptr;
  QWidget* picScroll_ = nullptr;
  QWidget* picRandFill_ = nullptr;
  PictureView* picMap_ = nullptr;
  PictureView* picZoom_ = nullptr;
  PictureView* picTileView_ = nullptr;
  std::vector<PictureView*> fillViews_;
  QToolButton *cmdTop_ = nullptr, *cmdLeft_ = nullptr, *cmdHome_ = nullptr;
  QScrollBar *scrVert_ = nullptr, *scrHorz_ = nullptr;
  QGroupBox *frame1_ = nullptr, *frame2_ = nullptr, *frame3_ = nullptr, *frame4_ = nullptr,
            *frame5_ = nullptr;
  std::map<std::string, ClickLabel*> labels_;  // the Information frame's labels
  std::vector<ColorBox*> colorBoxes_;
  TileBitsView* tileBits_ = nullptr;
  QToolButton *cmdUndo_ = nullptr, *cmdClear_ = nullptr;
  QListWidget* lstDatatypes_ = nullptr;
  std::vector<std::string> listShown_;
  QStatusBar* statusBar_ = nullptr;
  std::vector<ClickLabel*> panels_;
  QTimer* clock_ = nullptr;
  std::vector<MenuNode> menuNodes_;
  std::map<std::string, size_t> menuIndex_;
  std::map<std::string, QWidget*> controls_;
  KeysDown keysDown_;
  bool xkbScanCodes_ = false;
};
