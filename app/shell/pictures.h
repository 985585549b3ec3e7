#pragma once
// The program's pictures, drawn as vector art so that they stay crisp at every size and
// device pixel ratio; no image files are needed.

#include <QIcon>
#include <QPainter>
#include <QRectF>
#include <string_view>

namespace quenchel::pictures {

// The heading's banner: a warm band with anvils and horseshoes, filling the whole area.
void PaintBanner(QPainter& painter, const QRectF& area);

// The program's logo, a horseshoe resting on an anvil, centred in the area.
void PaintLogo(QPainter& painter, const QRectF& area);
inline constexpr double kLogoAspect = 200.0 / 176.0;  // width over height

// A tool-bar picture by its name: "change-class", "schedule", "labels", "judges-sheet",
// "scores". An unknown name paints nothing. Square; centred in the area.
void PaintToolPicture(QPainter& painter, const QRectF& area, std::string_view name);
bool HasToolPicture(std::string_view name);

// Icons that paint themselves afresh at whatever size and pixel ratio they are asked for.
QIcon ToolIcon(std::string_view name);
QIcon LogoIcon();

}  // namespace quenchel::pictures
