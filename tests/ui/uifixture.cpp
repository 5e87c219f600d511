#include "uifixture.h"

#include "model/apphome.h"
#include "ui/project/programtree.h"
#include "ui/project/templatechooser.h"

#include <QFrame>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace lumetra::test {

bool TestPrompts::question(QWidget *, const QString &text)
{
    shown << text;
    return answers.isEmpty() ? true : answers.takeFirst();
}

void TestPrompts::error(QWidget *, const QString &text)
{
    shown << text;
    errors << text;
}

QString TestPrompts::saveProjectFile(QWidget *, const QString &, const QString &name)
{
    ++saveDialogs;
    saveDialogName = name;
    return savePath;
}

int TestPrompts::questionYesNoCancel(QWidget *, const QString &caption, const QString &text)
{
    captions << caption;
    shown << text;
    return threeWayAnswers.isEmpty() ? int(QMessageBox::Yes) : threeWayAnswers.takeFirst();
}

DocumentChoice TestPrompts::openDocumentFile(QWidget *, const QString &folder)
{
    documentDialogFolders << folder;
    return documentOpen;
}

DocumentChoice TestPrompts::saveDocumentFile(QWidget *, const QString &folder)
{
    ++documentSaveDialogs;
    documentDialogFolders << folder;
    return documentSave;
}

WindowFixture::WindowFixture(const std::function<void(const QString &)> &prepare)
{
    m_home = m_dir.path() + QStringLiteral("/home");
    AppHome::seed(m_home);
    if (prepare)
        prepare(m_home);
    m_window = std::make_unique<TMAINForm>(m_home);
    auto prompts = std::make_unique<TestPrompts>();
    m_prompts = prompts.get();
    m_window->setPrompts(std::move(prompts));
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("main window not exposed");
}

QTreeWidgetItem *node(TMAINForm &window, const QString &caption, const QString &parentCaption)
{
    for (QTreeWidgetItem *item : window.tree()->nodes()) {
        if (item->text(0) != caption)
            continue;
        if (parentCaption.isEmpty() || (item->parent() && item->parent()->text(0) == parentCaption))
            return item;
    }
    return nullptr;
}

void clickNode(TMAINForm &window, QTreeWidgetItem *item)
{
    ProgramTree *tree = window.tree();
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

static void answerWhenShown(TemplateChooser *chooser, int templateId, bool ok, int tries)
{
    QTimer::singleShot(0, chooser, [chooser, templateId, ok, tries] {
        if (!chooser->isVisible()) {
            // Not up yet: look again on the next turn of the event loop.
            if (tries > 0)
                answerWhenShown(chooser, templateId, ok, tries - 1);
            return;
        }
        if (templateId > 0)
            QTest::mousePress(chooser->tile(templateId), Qt::LeftButton);
        auto *button =
            chooser->findChild<QPushButton *>(ok ? QStringLiteral("OkButton") : QStringLiteral("CancelButton"));
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

void answerTemplateChooser(TMAINForm &window, int templateId, bool ok)
{
    answerWhenShown(window.templateChooser(), templateId, ok, 20);
}

QStringList childCaptions(QTreeWidgetItem *item)
{
    QStringList captions;
    for (int i = 0; item && i < item->childCount(); ++i)
        captions << item->child(i)->text(0);
    return captions;
}

} // namespace lumetra::test
