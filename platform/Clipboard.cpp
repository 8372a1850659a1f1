#include "platform/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {
// EUC-KR bytes travel under their own type, so a reader that knows it gets them exactly; every
// other application reads the plain text.
const QString kEucKrType = QStringLiteral("text/plain;charset=EUC-KR");

bool IsAscii(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString FromEucKr(const std::string& bytes) {
    QStringDecoder decoder("EUC-KR");
    return decoder(QByteArray::fromStdString(bytes));
}

std::string ToEucKr(const QString& text) {
    QStringEncoder encoder("EUC-KR");
    return QByteArray(encoder(text)).toStdString();
}

// The desktop clipboard. Unicode text is its plain text; bytes are offered as plain text when
// they are ASCII, else as EUC-KR (and, for UTF-8 readers, as plain text decoded from EUC-KR when
// no Unicode text is placed beside them).
class TDesktopClipboard : public TClipboard {
  public:
    void Set(const TClipboardData& data) override {
        auto* mime = new QMimeData;
        if (data.text) {
            if (IsAscii(*data.text)) {
                mime->setText(QString::fromStdString(*data.text));
            } else {
                mime->setData(kEucKrType, QByteArray::fromStdString(*data.text));
                mime->setText(FromEucKr(*data.text));
            }
        }
        if (data.unicodeText)
            mime->setText(QString::fromStdU16String(*data.unicodeText));
        QApplication::clipboard()->setMimeData(mime);
    }

    std::optional<std::string> Text() const override {
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        if (!mime)
            return std::nullopt;
        if (mime->hasFormat(kEucKrType))
            return mime->data(kEucKrType).toStdString();
        if (!mime->hasText())
            return std::nullopt;
        // Bytes asked of plain text are its EUC-KR form, as a Korean system would give them.
        return ToEucKr(mime->text());
    }

    std::optional<std::u16string> UnicodeText() const override {
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        if (!mime || !mime->hasText())
            return std::nullopt;
        return mime->text().toStdU16String();
    }
};

TClipboard*& TestClipboard() {
    static TClipboard* clipboard = nullptr;
    return clipboard;
}
}  // namespace

TClipboard& Clipboard() {
    static TDesktopClipboard desktop;
    return TestClipboard() ? *TestClipboard() : desktop;
}

void SetClipboardForTests(TClipboard* clipboard) {
    TestClipboard() = clipboard;
}

void MinimizeApplication() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->showMinimized();
}

}  // namespace platform
