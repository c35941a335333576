#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "editor/PictureView.h"
#include "model/MainForm.h"
#include "platform/Color.h"

namespace {

constexpr int32_t kBack = RGBColor(0, 0, 128);
constexpr int32_t kRed = 255;

int32_t at(const QImage& img, int x, int y) { return fromQRgb(img.pixel(x, y)); }

struct ViewOnParent {
  ViewOnParent() : picture(64, 32, kBack), view(picture, &parent) {
    parent.resize(200, 100);
    picture.clear();
  }
  QImage shown() {
    view.sync();
    return view.grab().toImage();
  }
  QWidget parent;
  Picture picture;
  PictureView view;
};

}  // namespace

TEST(MouseCodes, PressCarriesTheOneButtonAndMovesTheSumHeld) {
  EXPECT_EQ(mouseButtonCode(Qt::LeftButton), 1);
  EXPECT_EQ(mouseButtonCode(Qt::RightButton), 2);
  EXPECT_EQ(mouseButtonCode(Qt::MiddleButton), 4);
  EXPECT_EQ(mouseButtonCode(Qt::BackButton), 0);
  EXPECT_EQ(mouseButtonsCode(Qt::LeftButton | Qt::RightButton), 3);
  EXPECT_EQ(mouseButtonsCode(Qt::NoButton), 0);
  EXPECT_EQ(mouseButtonsCode(Qt::LeftButton | Qt::MiddleButton), 5);
}

TEST(MouseCodes, ModifierMaskSumsShiftCtrlAndAlt) {
  EXPECT_EQ(modifierMask(Qt::NoModifier), 0);
  EXPECT_EQ(modifierMask(Qt::ShiftModifier), 1);
  EXPECT_EQ(modifierMask(Qt::ControlModifier), 2);
  EXPECT_EQ(modifierMask(Qt::AltModifier), 4);
  EXPECT_EQ(modifierMask(Qt::ShiftModifier | Qt::ControlModifier), 3);
  EXPECT_EQ(modifierMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
}

TEST(PictureViewShows, ThePictureAtItsPlaceAndSize) {
  ViewOnParent v;
  v.picture.left = 10;
  v.picture.top = -5;
  v.view.sync();
  EXPECT_EQ(v.view.geometry(), QRect(10, -5, 64, 32));
  v.picture.resize(48, 16);
  v.picture.visible = false;
  v.view.sync();
  EXPECT_EQ(v.view.geometry(), QRect(10, -5, 48, 16));
  EXPECT_FALSE(v.view.isVisibleTo(&v.parent));
}

TEST(PictureViewShows, ChangedPixelsOfTheImage) {
  ViewOnParent v;
  v.picture.setPixel(5, 6, kRed);
  const QImage img = v.shown();
  EXPECT_EQ(at(img, 5, 6), kRed);
  EXPECT_EQ(at(img, 6, 6), kBack);
}

TEST(PictureViewShows, AShapeAsAOnePixelOutlineInItsBorderColour) {
  ViewOnParent v;
  Shape cursor{16, 8, 16, 16, kRed, true};
  v.view.addShape(&cursor);
  QImage img = v.shown();
  EXPECT_EQ(at(img, 16, 8), kRed);
  EXPECT_EQ(at(img, 31, 23), kRed);
  EXPECT_EQ(at(img, 20, 23), kRed);
  EXPECT_EQ(at(img, 17, 9), kBack);
  EXPECT_EQ(at(img, 32, 8), kBack);
  // The picture itself is not drawn on.
  EXPECT_EQ(v.picture.pixel(16, 8), kBack);

  cursor.left = 32;
  cursor.borderColor = RGBColor(0, 255, 0);
  img = v.shown();
  EXPECT_EQ(at(img, 16, 8), kBack);
  EXPECT_EQ(at(img, 32, 8), RGBColor(0, 255, 0));
}

TEST(PictureViewShows, ArrayElementsOnlyOnceCreatedAndHiddenShapesNever) {
  ViewOnParent v;
  Shape marker{0, 0, 16, 16, kRed, true};
  bool exists = false;
  Shape hidden{32, 0, 16, 16, kRed, false};
  v.view.addShape(&marker, &exists);
  v.view.addShape(&hidden);
  EXPECT_EQ(at(v.shown(), 0, 0), kBack);
  exists = true;
  const QImage img = v.shown();
  EXPECT_EQ(at(img, 0, 0), kRed);
  EXPECT_EQ(at(img, 32, 0), kBack);
}

TEST(PictureViewShows, AVisibleHoverPictureAtItsPlace) {
  ViewOnParent v;
  Picture hover(16, 16, RGBColor(200, 200, 200));
  hover.clear();
  hover.left = 32;
  hover.top = 16;
  hover.visible = false;
  v.view.addHover(&hover);
  EXPECT_EQ(at(v.shown(), 40, 20), kBack);
  hover.visible = true;
  hover.setPixel(0, 0, kRed);
  const QImage img = v.shown();
  EXPECT_EQ(at(img, 32, 16), kRed);
  EXPECT_EQ(at(img, 40, 20), RGBColor(200, 200, 200));
  EXPECT_EQ(at(img, 31, 16), kBack);
}

TEST(PictureViewInput, APressOnAHoverPictureReachesThePictureAtTheMousePosition) {
  ViewOnParent v;
  Picture hover(16, 16);
  hover.left = 32;
  hover.top = 16;
  hover.visible = true;
  hover.enabled = true;
  v.view.addHover(&hover);
  v.view.sync();
  int button = -1, shift = -1;
  float x = -1, y = -1;
  v.view.onMouseDown = [&](int b, int s, float px, float py) {
    button = b;
    shift = s;
    x = px;
    y = py;
  };
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(40, 20), QPointF(40, 20), Qt::RightButton,
                    Qt::RightButton, Qt::ControlModifier);
  QApplication::sendEvent(&v.view, &press);
  EXPECT_EQ(button, 2);
  EXPECT_EQ(shift, 2);
  EXPECT_EQ(x, 40.0f);
  EXPECT_EQ(y, 20.0f);
}

TEST(PictureViewInput, AMoveCarriesTheButtonsHeld) {
  ViewOnParent v;
  int held = -1;
  v.view.onMouseMove = [&](int b, int, float, float) { held = b; };
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton,
                   Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&v.view, &move);
  EXPECT_EQ(held, 3);
}
