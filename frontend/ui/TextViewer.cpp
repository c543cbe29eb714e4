#include "frontend/ui/TextViewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "frontend/ui/DialogSupport.h"

namespace quillon {

namespace {

constexpr int VIEWER_WIDTH = 820;
constexpr int VIEWER_HEIGHT = 600;

/// The open file viewers, one per file.
QList<QPointer<TextViewer>>& FileViewers() {
    static QList<QPointer<TextViewer>> viewers;
    return viewers;
}

QString SameFileKey(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

}  // namespace

TextViewer::TextViewer(const QString& title) : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    resize(VIEWER_WIDTH, VIEWER_HEIGHT);
}

void TextViewer::AddFindBar() {
    findEdit = new QLineEdit(this);
    findEdit->setObjectName(QStringLiteral("find"));
    findEdit->setPlaceholderText(QStringLiteral("Find (Ctrl+F)"));
    findEdit->setClearButtonEnabled(true);
    findEdit->installEventFilter(this);
    auto* next = new QPushButton(QStringLiteral("&Next"), this);
    auto* previous = new QPushButton(QStringLiteral("&Previous"), this);
    for (QPushButton* button : {next, previous}) {
        button->setAutoDefault(false);
    }
    findStatus = new QLabel(this);
    connect(findEdit, &QLineEdit::returnPressed, this, [this] { Find(false); });
    connect(next, &QPushButton::clicked, this, [this] { Find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { Find(true); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        findEdit->setFocus();
        findEdit->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this, [this] { Find(false); });
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this), &QShortcut::activated, this,
            [this] { Find(true); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), this), &QShortcut::activated, this,
            [this] { JumpTo(false); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_End), this), &QShortcut::activated, this,
            [this] { JumpTo(true); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(findEdit, 1);
    bar->addWidget(next);
    bar->addWidget(previous);
    bar->addWidget(findStatus);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    PlainButtons(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    bar->addWidget(buttons);
    static_cast<QVBoxLayout*>(layout())->addLayout(bar);
}

void TextViewer::keyPressEvent(QKeyEvent* event) {
    // Enter finds in the find box; it never closes the window through its Close button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TextViewer::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Home and Ctrl+End move the text even while the find box has the focus.
    if (watched == findEdit && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TextViewer::Load() {
    QFile file(source);
    if (file.open(QIODevice::ReadOnly)) {
        plainText->setPlainText(QString::fromLocal8Bit(file.readAll()));
    } else {
        plainText->setPlainText(QStringLiteral("Cannot read %1: %2").arg(source, file.errorString()));
    }
}

void TextViewer::Find(bool backward) {
    const QString wanted = findEdit->text();
    if (wanted.isEmpty()) {
        findEdit->setFocus();
        return;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    auto search = [&] { return plainText != nullptr ? plainText->find(wanted, flags) : browser->find(wanted, flags); };
    bool found = search();
    if (!found) {
        // Go round once: from the top going down, from the end going up.
        JumpTo(backward);
        found = search();
    }
    findStatus->setText(found ? QString() : QStringLiteral("Not found"));
}

void TextViewer::JumpTo(bool end) {
    const QTextCursor::MoveOperation move = end ? QTextCursor::End : QTextCursor::Start;
    if (plainText != nullptr) {
        plainText->moveCursor(move);
        plainText->ensureCursorVisible();
    } else {
        browser->moveCursor(move);
        browser->ensureCursorVisible();
    }
}

TextViewer* TextViewer::ShowFile(const QString& path) {
    const QString key = SameFileKey(path);
    QList<QPointer<TextViewer>>& viewers = FileViewers();
    viewers.removeAll(nullptr);
    for (const QPointer<TextViewer>& open : viewers) {
        if (SameFileKey(open->source) == key) {
            open->Load();
            open->show();
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* viewer = new TextViewer(QFileInfo(path).fileName() + QStringLiteral(" - Quillon"));
    viewer->source = path;
    viewer->plainText = new QPlainTextEdit(viewer);
    viewer->plainText->setReadOnly(true);
    viewer->plainText->setLineWrapMode(QPlainTextEdit::NoWrap);
    viewer->plainText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    viewer->plainText->setFont(font);
    // Report columns are laid out with tabs of eight.
    viewer->plainText->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
    viewer->Load();
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(viewer->plainText);
    viewer->AddFindBar();
    viewers.append(viewer);
    viewer->show();
    return viewer;
}

TextViewer* TextViewer::ShowHelp(const QUrl& url) {
    auto* viewer = new TextViewer(QStringLiteral("Quillon Help"));
    viewer->source = url.toString();
    viewer->browser = new QTextBrowser(viewer);
    viewer->browser->setOpenExternalLinks(true);
    viewer->browser->setSource(url);
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(viewer->browser);
    viewer->AddFindBar();
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

QString TextViewer::SelectedText() const {
    return plainText != nullptr ? plainText->textCursor().selectedText() : browser->textCursor().selectedText();
}

int TextViewer::CursorLine() const {
    return plainText != nullptr ? plainText->textCursor().blockNumber() : browser->textCursor().blockNumber();
}

}  // namespace quillon
