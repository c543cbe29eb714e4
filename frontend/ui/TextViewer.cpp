#include "frontend/ui/TextViewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "frontend/ui/DialogSupport.h"

namespace quillon {

namespace {

constexpr int VIEWER_WIDTH = 820;
constexpr int VIEWER_HEIGHT = 600;

}  // namespace

TextViewer::TextViewer(const QString& title) : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    resize(VIEWER_WIDTH, VIEWER_HEIGHT);
}

TextViewer* TextViewer::ShowFile(const QString& path) {
    auto* viewer = new TextViewer(QFileInfo(path).fileName() + QStringLiteral(" - Quillon"));
    viewer->source = path;
    viewer->plainText = new QPlainTextEdit(viewer);
    viewer->plainText->setReadOnly(true);
    viewer->plainText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    viewer->plainText->setFont(font);
    // Report columns are laid out with tabs of eight.
    viewer->plainText->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        viewer->plainText->setPlainText(QString::fromLocal8Bit(file.readAll()));
    } else {
        viewer->plainText->setPlainText(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(viewer->plainText);
    layout->addWidget(buttons);
    viewer->show();
    return viewer;
}

TextViewer* TextViewer::ShowHelp(const QUrl& url) {
    auto* viewer = new TextViewer(QStringLiteral("Quillon Help"));
    viewer->source = url.toString();
    viewer->browser = new QTextBrowser(viewer);
    viewer->browser->setOpenExternalLinks(true);
    viewer->browser->setSource(url);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(viewer->browser);
    layout->addWidget(buttons);
    viewer->show();
    return viewer;
}

TextViewer* ShowResultFile(DialogServices& services, const std::string& path, bool tryDesktop) {
    const QString file = QString::fromStdString(path);
    if (tryDesktop && services.OpenDocument(file)) {
        return nullptr;
    }
    return TextViewer::ShowFile(file);
}

QString TextViewer::Text() const {
    if (plainText != nullptr) {
        return plainText->toPlainText();
    }
    return browser != nullptr ? browser->toPlainText() : QString();
}

}  // namespace quillon
