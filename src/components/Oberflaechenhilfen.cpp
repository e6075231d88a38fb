#include "components/Oberflaechenhilfen.h"

#include "components/Threads.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QWidget>

unsigned AbfUmschaltStatus() { return AbfUmschaltBits(QGuiApplication::queryKeyboardModifiers()); }

void AbfTextMitVersatz(QPainter& maler, QPoint pos, const QString& text, const QColor& textFarbe,
                       const QColor& kopieFarbe, QPoint versatz)
{
    maler.save();
    maler.setPen(kopieFarbe);
    maler.drawText(pos + versatz, text);
    maler.setPen(textFarbe);
    maler.drawText(pos, text);
    maler.restore();
}

bool AbfFensterDeckkraft(QWidget* fenster, int alpha)
{
    if (!fenster || alpha < 0 || alpha > 255) return false;
    fenster->setWindowOpacity(alpha / 255.0);
    return true;
}

namespace {
struct ShellSymbol {
    int index;
    const char* thema;
    QStyle::StandardPixmap stil;  // SP_CustomBase: the style has none
};

constexpr ShellSymbol ShellSymbole[] = {
    {0, "unknown", QStyle::SP_FileIcon},
    {1, "text-x-generic", QStyle::SP_FileIcon},
    {2, "application-x-executable", QStyle::SP_DesktopIcon},
    {3, "folder", QStyle::SP_DirClosedIcon},
    {4, "folder-open", QStyle::SP_DirOpenIcon},
    {6, "media-floppy", QStyle::SP_DriveFDIcon},
    {7, "drive-removable-media", QStyle::SP_DriveHDIcon},
    {8, "drive-harddisk", QStyle::SP_DriveHDIcon},
    {9, "folder-remote", QStyle::SP_DriveNetIcon},
    {11, "drive-optical", QStyle::SP_DriveCDIcon},
    {15, "computer", QStyle::SP_ComputerIcon},
    {16, "printer", QStyle::SP_CustomBase},
    {23, "help-browser", QStyle::SP_DialogHelpButton},
    {31, "user-trash", QStyle::SP_TrashIcon},
    {32, "user-trash-full", QStyle::SP_TrashIcon},
};
}  // namespace

QIcon AbfShellIcon(int index)
{
    for (const ShellSymbol& s : ShellSymbole) {
        if (s.index != index) continue;
        QIcon ersatz;
        if (s.stil != QStyle::SP_CustomBase && qobject_cast<QApplication*>(QCoreApplication::instance()))
            ersatz = QApplication::style()->standardIcon(s.stil);
        return QIcon::fromTheme(QString::fromLatin1(s.thema), ersatz);
    }
    return {};
}

QPixmap AbfDateitypIcon(const TabfFileAssociation& typ, int groesse)
{
    const QString datei = typ.IconFile();
    if (datei.isEmpty() || typ.IconIndex() < 0 || groesse <= 0) return {};
    if (!QFileInfo(datei).isFile()) return QIcon::fromTheme(datei).pixmap(groesse);
    QImageReader leser(datei);
    if (typ.IconIndex() > 0 && !leser.jumpToImage(typ.IconIndex())) return {};
    const QImage bild = leser.read();
    if (bild.isNull()) return {};
    return QPixmap::fromImage(bild.scaled(groesse, groesse, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QWidget* AbfFensterFinden(const QString& titel)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isWindow() && w->isVisible() && w->windowTitle() == titel) return w;
    return nullptr;
}

void AbfFensterWiederherstellen(QWidget* fenster)
{
    if (!fenster) return;
    fenster = fenster->window();
    if (fenster->isMinimized())
        fenster->setWindowState((fenster->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

qsizetype AbfAnwendungsfenster::Verbergen()
{
    qsizetype anzahl = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isWindow() || !w->isVisible()) continue;
        w->hide();
        m_verborgen.append(w);
        ++anzahl;
    }
    return anzahl;
}

qsizetype AbfAnwendungsfenster::Zeigen()
{
    qsizetype anzahl = 0;
    for (const QPointer<QWidget>& w : std::as_const(m_verborgen)) {
        if (!w) continue;
        w->show();
        ++anzahl;
    }
    m_verborgen.clear();
    return anzahl;
}

void AbfThreadMeldungsbox(const QString& titel, const QString& text)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(app, [titel, text] { AbfThreadMeldungsbox(titel, text); }, Qt::QueuedConnection);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, titel, text, QMessageBox::Ok);
    box->setObjectName(QStringLiteral("TabfThreadMeldung"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

void AbfThreadMeldungenAnzeigen() { setTabfThreadMeldung(&AbfThreadMeldungsbox); }
