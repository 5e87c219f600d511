#pragma once

#include <QWidget>

namespace lumetra {

// "正在保存节目信息中", shown while a save runs.
class SavingWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SavingWindow(QWidget *parent = nullptr);
    void showNow();
};

} // namespace lumetra
