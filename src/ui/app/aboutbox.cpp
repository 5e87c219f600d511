#include "ui/app/aboutbox.h"

#include "ui_aboutbox.h"

#include "ui/project/templatechooser.h"

#include <QApplication>

namespace lumetra {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutBox>())
{
    m_ui->setupUi(this);
    setFixedSize(384, 226);
    m_ui->ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    m_ui->Logo->setPixmap(QPixmap::fromImage(TemplateChooser::templatePicture(4)));
    connect(m_ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

} // namespace lumetra
