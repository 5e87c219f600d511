#pragma once

#include <QApplication>

#include <functional>

namespace lumetra {

// An error that escapes an event handler reaches one error box, and the
// program goes on.
class LumetraApplication : public QApplication
{
    Q_OBJECT
public:
    using ErrorBox = std::function<void(const QString &text)>;

    LumetraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    void setErrorBox(ErrorBox box) { m_errorBox = std::move(box); }

    // Qt's own Chinese texts for the standard dialogs and menus.
    void loadTranslations();

private:
    void report(const QString &text);
    ErrorBox m_errorBox;
};

} // namespace lumetra
