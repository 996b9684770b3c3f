#include "ui/main/SplashWindow.h"

#include "ui/main/ShownDialogs.h"
#include "ui/main/Version.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

namespace orvane {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashFrm"));
    setWindowTitle(QStringLiteral("Orvane"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QWidget#SplashFrm { background: black; }"
                                 "QWidget#Panel1 { background: maroon; }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(panel);
    auto* inner = new QVBoxLayout(panel);
    auto* title = new QLabel(QStringLiteral("Zarvel Orvane " ORVANE_VERSION_TEXT), panel);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 18pt; font-weight: bold;"));
    title->setAlignment(Qt::AlignCenter);
    inner->addWidget(title);
    memo_ = new QPlainTextEdit(panel);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setReadOnly(true);
    memo_->setPlainText(QStringLiteral("Please Wait...\n"));
    memo_->viewport()->setCursor(Qt::WaitCursor);
    inner->addWidget(memo_);
    resize(420, 260);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::startShowing() {
    wanted_ = true;
    qApp->installEventFilter(this);
    giveWayToDialogs();
}

void SplashWindow::stopShowing() {
    wanted_ = false;
    qApp->removeEventFilter(this);
    hide();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) &&
        qobject_cast<QDialog*>(watched))
        giveWayToDialogs(); // the dialog counts as shown, or not, already
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::giveWayToDialogs() {
    if (wanted_) setVisible(shownDialogs().isEmpty());
}

void SplashWindow::appendText(const QString& text) {
    moveCaretToEnd();
    memo_->insertPlainText(text);
}

void SplashWindow::moveCaretToEnd() {
    QTextCursor cursor = memo_->textCursor();
    cursor.movePosition(QTextCursor::End);
    memo_->setTextCursor(cursor);
}

void SplashWindow::logStep(const QString& step) {
    appendText(step + QStringLiteral("........"));
    moveCaretToEnd();
}

void SplashWindow::logOk() {
    appendText(QStringLiteral("\n..OK\n"));
}

QString SplashWindow::logText() const {
    return memo_->toPlainText();
}

} // namespace orvane
