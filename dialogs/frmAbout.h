#pragma once
#include <QDialog>
#include <QImage>
#include <array>
#include <string>

#include "platform/Prompts.h"

class ClickableLabel;
class QTimer;

// The 24 credit lines, line 1 first; line 23 is the build stamp the main
// window's caption carries too.
std::array<std::string, 24> CreditLines();

// The credits box: the lines scroll up over the backdrop in an endless loop
// until the user clicks anywhere in it.
class frmAbout : public QDialog, public ModalForm {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent = nullptr);

  std::string formName() const override { return "frmAbout"; }
  void execModal() override { exec(); }

  void Form_Load();
  void tmrScroll_Timer();
  void Form_MouseDown(int button);
  void lblScroll_Click(int index);
  void lblExit_Click();
  void picScroll_Click();
  // Every way out stops the scrolling with the box.
  void done(int result) override;

  ClickableLabel* lblScroll(int index) const { return lblScroll_[size_t(index)]; }  // 1..24
  ClickableLabel* lblExit() const { return lblExit_; }
  QWidget* picScroll() const { return picScroll_; }
  QTimer* tmrScroll() const { return tmrScroll_; }

  static constexpr int kLineSpacing = 25;
  // Line 24 this far above the top edge starts the text again from below.
  static constexpr int kRestartTop = -200;
  // A tick per 16 ms moves the text about 32 pixels a second.
  static constexpr int kTickMs = 16;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QImage background_;
  QWidget* picScroll_;
  std::array<ClickableLabel*, 25> lblScroll_{};  // 1..24 used
  ClickableLabel* lblExit_;
  QTimer* tmrScroll_;
  double scroll_ = 0;  // grows by half a pixel per tick
};
