#include "ui/content/tftablesize.h"

#include "ui_tftablesize.h"

#include "ui/content/editorprompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace lumetra {

namespace {

QPointer<TF_TABLE_SIZE> &theDialog()
{
    static QPointer<TF_TABLE_SIZE> dialog;
    return dialog;
}

} // namespace

TF_TABLE_SIZE &TF_TABLE_SIZE::instance()
{
    QPointer<TF_TABLE_SIZE> &dialog = theDialog();
    if (!dialog) {
        dialog = new TF_TABLE_SIZE;
        // Widgets must go before the application object does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog.data(), &QObject::deleteLater);
    }
    return *dialog;
}

TF_TABLE_SIZE::TF_TABLE_SIZE() : m_ui(std::make_unique<Ui::TF_TABLE_SIZE>())
{
    m_ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    m_ui->Panel1->setAutoFillBackground(true);
    m_ui->Panel2->setAutoFillBackground(true);
    m_ui->Panel1->installEventFilter(this);
    m_ui->Panel2->installEventFilter(this);
    connect(m_ui->bok, &QPushButton::clicked, this, &TF_TABLE_SIZE::bokClick);
    connect(m_ui->bcancel, &QPushButton::clicked, this, &QDialog::reject);
    prepare();
}

TF_TABLE_SIZE::~TF_TABLE_SIZE() = default;

void TF_TABLE_SIZE::prepare()
{
    m_ui->SpinEdit2->setValue(m_values.columns);
    m_ui->SpinEdit1->setValue(m_values.rows);
    m_ui->SpinEdit3->setValue(m_values.outerWidth);
    m_ui->SpinEdit4->setValue(m_values.cellWidth);
    m_outerShown = m_values.outerColour;
    m_cellShown = m_values.cellColour;
    showColour(m_ui->Panel1, m_outerShown);
    showColour(m_ui->Panel2, m_cellShown);
}

void TF_TABLE_SIZE::bokClick()
{
    m_values.columns = m_ui->SpinEdit2->value();
    m_values.rows = m_ui->SpinEdit1->value();
    m_values.outerWidth = m_ui->SpinEdit3->value();
    m_values.cellWidth = m_ui->SpinEdit4->value();
    m_values.outerColour = m_outerShown;
    m_values.cellColour = m_cellShown;
    accept();
}

bool TF_TABLE_SIZE::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        (watched == m_ui->Panel1 || watched == m_ui->Panel2)) {
        const bool outer = watched == m_ui->Panel1;
        QColor &shown = outer ? m_outerShown : m_cellShown;
        const QColor chosen = EditorPrompts::colour(this, shown);
        if (chosen.isValid()) {
            shown = chosen;
            showColour(outer ? m_ui->Panel1 : m_ui->Panel2, chosen);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TF_TABLE_SIZE::showColour(QFrame *panel, const QColor &colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
}

} // namespace lumetra
