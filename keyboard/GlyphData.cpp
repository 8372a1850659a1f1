#include "keyboard/GlyphData.h"

QImage LoadMonoPicture(const QString& path) {
    QImage picture(path);
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (qGray(picture.color(1)) > qGray(picture.color(0))) {
        picture.invertPixels();
        picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    }
    return picture;
}

QImage WhiteMonoPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    picture.fill(0);
    return picture;
}

QString GlyphSheetPath(int sheetIndex) {
    return QStringLiteral(":/glyphs/sheet%1.png").arg(sheetIndex, 2, 10, QLatin1Char('0'));
}

QString JamoPicturePath(int jamoCode) {
    return QStringLiteral(":/jamo/jamo%1.png").arg(jamoCode, 2, 10, QLatin1Char('0'));
}

TMonoConstView ConstMonoView(const QImage& picture) {
    return {picture.constBits(), picture.width(), picture.height(),
            static_cast<int>(picture.bytesPerLine())};
}

TMonoView MonoView(QImage& picture) {
    return {picture.bits(), picture.width(), picture.height(),
            static_cast<int>(picture.bytesPerLine())};
}
