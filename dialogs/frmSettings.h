#pragma once
#include <QDialog>
#include <array>
#include <cstdint>

#include "platform/Prompts.h"

class ClickableLabel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
struct App;

// "User Settings": edits the settings; Save stores them, repaints the main
// window's selection frames and writes the settings file. Cancel and the close
// box keep the settings as they were (except what "Load Defaults" set).
class frmSettings : public QDialog, public ModalForm {
  Q_OBJECT
 public:
  explicit frmSettings(App& a, QWidget* parent = nullptr);

  std::string formName() const override { return "frmSettings"; }
  void execModal() override { exec(); }

  void Form_Load();
  void cmdSave_Click();
  void cmdCancel_Click();
  void cmdBorder_Click();
  void cmdDTColor_Click();
  void cmdSelect_Click(int index);  // 0..4, the rows top to bottom
  void Label13_Click();
  void Label6_Click();
  void Label7_Click();
  void Label8_Click();
  void Label9_Click();
  void Label10_Click();
  void Slider1_Scroll(int index);  // 1..3
  void txtStartupProject_Change();
  void txtStartupTiles_Change();
  void txtStartupMap_Change();

  QCheckBox* chkAskSaveExit() const { return chkAskSaveExit_; }
  QCheckBox* chkSaveWindow() const { return chkSaveWindow_; }
  QPushButton* cmdBorder() const { return cmdBorder_; }
  QPushButton* cmdDTColor() const { return cmdDTColor_; }
  int32_t shpColorBorderColor() const { return shpColorBorder_; }
  QLabel* lblDTColor() const { return lblDTColor_; }
  QSlider* Slider1(int index) const { return sliders_[size_t(index)]; }
  QLabel* Label11(int index) const { return sliderLabels_[size_t(index)]; }
  QLineEdit* txtStartupProject() const { return rows_[0].box; }
  QLineEdit* txtTilesLoc() const { return rows_[1].box; }
  QLineEdit* txtMapsLoc() const { return rows_[2].box; }
  QLineEdit* txtStartupTiles() const { return rows_[3].box; }
  QLineEdit* txtStartupMap() const { return rows_[4].box; }
  QPushButton* cmdSelect(int index) const { return rows_[size_t(index)].select; }
  // The "Reset" label of a row (0..4): Label13, Label6, Label7, Label8, Label9.
  ClickableLabel* resetLabel(int row) const { return rows_[size_t(row)].reset; }
  ClickableLabel* Label10() const { return label10_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private:
  struct Row {
    QLabel* caption = nullptr;
    ClickableLabel* reset = nullptr;
    QLineEdit* box = nullptr;
    QPushButton* select = nullptr;
  };
  void buildStartupRows(QWidget* frame);
  void setShapeColor(int32_t color);
  void setLabelColor(int32_t color);
  void chooseFile(int row, const char* title, const char* filter);
  void chooseFolder(int row, const char* title);
  void resetRow(int row);
  void setRowEnabled(int row, bool enabled);
  void writeSliderCaptions();

  App& a_;
  QCheckBox *chkAskSaveExit_, *chkSaveWindow_;
  QPushButton *cmdBorder_, *cmdDTColor_;
  QWidget* picture1_;
  int32_t shpColorBorder_ = 0;
  QLabel* lblDTColor_;
  int32_t lblDTColorText_ = 0;
  std::array<QSlider*, 4> sliders_{};  // 1..3 used
  std::array<QLabel*, 4> sliderLabels_{};
  std::array<Row, 5> rows_{};
  ClickableLabel* label10_;
  QPushButton *cmdSave_, *cmdCancel_;
  // Set while the dialog itself moves the sliders: only the user's moves
  // run the rule.
  bool settingSliders_ = false;
};
