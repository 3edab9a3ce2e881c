#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

// The configuration window's pictures, drawn at build time (kx-draw-views) and compiled into the
// program at the resource root, each as <Name>.png and <Name>@2x.png.
namespace KxPictures {

// The pictures the views ask for by name, beside the views' and pop-ups' own state pictures
// (whose names come from the layouts).
inline constexpr const char* kNamedPictures[] = {
    "Selected.png",     "BtnFunType_D.png",      "BtnFunType_S.png",    "BtnFunType_T.png",
    "BtnFunType_L.png", "Slider1.png",           "Slider2.png",         "Light_Logo.png",
    "Light_Scroll.png", "MacroList_KeyDown.png", "MacroList_KeyUp.png", "com.vlak.KxOption.png",
};

// The picture of that file name ("MainView_Normal.png") for a device pixel ratio: the @2x variant
// above 1, with its device pixel ratio set so that it keeps its size in points. Null when it does
// not exist.
QImage load(const QString& fileName, qreal devicePixelRatio);
// Starts decoding the pictures on a background thread, in their order, so that later loads of them
// find them decoded or nearly (a window's hover and pressed states, which its first frame does
// not show). A load of one not yet begun decodes it at once.
void prefetch(const QStringList& fileNames, qreal devicePixelRatio);
// Whether the program has a picture of that file name.
bool exists(const QString& fileName);
// 2 when a widget (or, before it is shown, the primary screen) wants the 2x pictures, else 1.
qreal ratioFor(const QWidget* widget);

} // namespace KxPictures
