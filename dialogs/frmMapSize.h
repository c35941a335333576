#pragma once
#include <QDialog>

#include "platform/Prompts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
struct App;

// The size of the map in use, 1..256 x 1..128 cells. Leaves MsgResult 1 after
// OK with the size stored, 2 after every other way of closing.
class frmMapSize : public QDialog, public ModalForm {
  Q_OBJECT
 public:
  explicit frmMapSize(App& a, QWidget* parent = nullptr);

  std::string formName() const override { return "frmMapSize"; }
  void execModal() override { exec(); }

  void Form_Load();
  void cmdOK_Click();
  void cmdCancel_Click();
  // unloadMode: kCloseBox for the window's close box or the system, kByCode
  // when the dialog's own buttons close it. Closing is never refused.
  enum UnloadMode { kCloseBox = 0, kByCode = 1 };
  void Form_QueryUnload(bool& cancel, int unloadMode);
  void txtWidth_Change();
  void txtHeight_Change();
  void txtWidth_GotFocus();
  void txtHeight_GotFocus();
  void sldWidth_Scroll();
  void sldHeight_Scroll();

  QLabel* lblWidth() const { return lblWidth_; }
  QLabel* lblHeight() const { return lblHeight_; }
  QLabel* Label1() const { return label1_; }
  QLabel* lblError() const { return lblError_; }
  QSlider* sldWidth() const { return sldWidth_; }
  QSlider* sldHeight() const { return sldHeight_; }
  QLineEdit* txtWidth() const { return txtWidth_; }
  QLineEdit* txtHeight() const { return txtHeight_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Dimension {
    QLineEdit* box;
    QSlider* slider;
    int limit;
    const char* message;
  };
  bool checkEntry(const Dimension& d, int current);
  void sliderMoved(const Dimension& d);
  Dimension widthEntry() const;
  Dimension heightEntry() const;

  App& a_;
  QLabel *lblWidth_, *lblHeight_, *label1_, *lblError_;
  QSlider *sldWidth_, *sldHeight_;
  QLineEdit *txtWidth_, *txtHeight_;
  QPushButton *cmdOK_, *cmdCancel_;
  bool closingByCode_ = false;
};
