#pragma once

#include <QTextEdit>

class QTextCursor;
class QTextDocument;

namespace lumetra {

// The editor of a rich-text zone. Besides text and HTML it takes our native
// document data, RTF, pictures and files: a dropped picture file becomes a
// picture, other files are read by their extension (".rtf", ".zvf", ".txt",
// letter case ignored).
class RichViewEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichViewEdit(QWidget *parent = nullptr);

    static QString nativeMimeType();

    // Inserts a whole document at the cursor, pictures included.
    static void insertDocument(QTextCursor &cursor, const QTextDocument &source);
    // Inserts a file by its kind; false when it is none the editor reads.
    bool insertFile(const QString &path);

    // What a drop or a paste brings.
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    void insertImage(const QImage &image);
    int m_pictures = 0;
};

} // namespace lumetra
