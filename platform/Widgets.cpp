#include "platform/Widgets.h"

#include <QPainter>
#include <QPixmap>

namespace platform {
namespace {
// The picture as it is painted: white becomes transparent. Indexed pictures (the text line and the
// jamo glyphs) only need their colour table changed.
QImage WithWhiteTransparent(const QImage& picture) {
    if (picture.colorCount() > 0) {
        QImage shown = picture;
        QList<QRgb> colours = shown.colorTable();
        for (QRgb& colour : colours)
            if ((colour & 0xffffffu) == 0xffffffu)
                colour = qRgba(255, 255, 255, 0);
        shown.setColorTable(colours);
        return shown;
    }
    QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & 0xffffffu) == 0xffffffu)
                line[x] = qRgba(255, 255, 255, 0);
    }
    return shown;
}
}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(QImage picture) {
    FPicture = std::move(picture);
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, WithWhiteTransparent(FPicture));
}

TPictureButton::TPictureButton(const QImage& glyph, int tag, const QString& hint, QWidget* parent)
    : QPushButton(parent), FGlyph(glyph), FTag(tag) {
    const QImage shown = WithWhiteTransparent(glyph);
    setIcon(QIcon(QPixmap::fromImage(shown)));
    setIconSize(shown.size());
    if (!hint.isEmpty())
        SetHint(*this, hint);
}

void SetHint(QWidget& control, const QString& hint, bool showHint) {
    control.setToolTip(showHint ? hint : QString());
    control.setStatusTip(hint);
}

}  // namespace platform
