#pragma once

#include <QTreeWidget>

namespace lumetra {

// OBJECT_TREE: the root "显示屏-1", a node per program, a node per zone. The
// captions carry the selection; node images are the icons of image indexes
// 0, 1, 2 (zone kinds), 5 (display) and 6 (program).
class ProgramTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum ImageIndex { TextImage = 0, ClockImage = 1, PictureImage = 2, DisplayImage = 5, ProgramImage = 6 };

    explicit ProgramTree(QWidget *parent = nullptr);

    static QIcon image(int index);
    static void setImage(QTreeWidgetItem *item, int index);

    // Clears the tree and adds the selected root node.
    QTreeWidgetItem *resetToRoot();
    QTreeWidgetItem *root() const;
    QTreeWidgetItem *addProgramNode(int program);
    QTreeWidgetItem *addZoneNode(QTreeWidgetItem *programNode, int templateId, int zone, int zoneType);

    // find_jiemu / find_fenqu: select the node of the program, or of zone z of
    // the program; false when there is none.
    bool find_jiemu(const QString &programName);
    bool find_fenqu(const QString &programName, int zone, int zoneType);

    // Nodes in tree order.
    QList<QTreeWidgetItem *> nodes() const;

    static bool isRoot(const QTreeWidgetItem *item) { return item && !item->parent(); }
    static bool isProgramNode(const QTreeWidgetItem *item);
    static bool isZoneNode(const QTreeWidgetItem *item);

signals:
    // OBJECT_TREEMouseDown: a mouse press, or any key release in the tree.
    void selectionHandlingRequested();
    void pictureZoneEditRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace lumetra
