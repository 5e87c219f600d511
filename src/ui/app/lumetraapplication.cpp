#include "ui/app/lumetraapplication.h"

#include "model/error.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace lumetra {

LumetraApplication::LumetraApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool LumetraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &error) {
        QString text = error.text();
        if (!error.subject().isEmpty() && !text.contains(error.subject()))
            text += QStringLiteral("\n") + error.subject();
        report(text);
    } catch (const std::exception &error) {
        report(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void LumetraApplication::report(const QString &text)
{
    if (m_errorBox) {
        m_errorBox(text);
        return;
    }
    QMessageBox::critical(activeWindow(), applicationDisplayName(), text);
}

void LumetraApplication::loadTranslations()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &name : {QStringLiteral("qt_zh_CN"), QStringLiteral("qtbase_zh_CN")}) {
        auto *translator = new QTranslator(this);
        // qt_zh_CN gathers every module's catalogue; qtbase alone is the fallback.
        if (translator->load(name, folder)) {
            installTranslator(translator);
            return;
        }
        delete translator;
    }
}

} // namespace lumetra
