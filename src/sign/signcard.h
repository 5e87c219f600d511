#pragma once

#include "sign/cardcontent.h"
#include "sign/framesplitter.h"
#include "sign/signframe.h"

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <array>

namespace lumetra::sign {

// A controller card of class A, B or C: answers what its class answers and
// keeps what it receives. With an output folder it writes each loaded
// program as a picture and logs every frame.
class SignCard
{
public:
    enum Class { ClassA = 1, ClassB = 2, ClassC = 3 };

    SignCard(Class cardClass, int address, const QString &outDir);

    // The stored screen parameters (a 31-byte ScreenParameterBlock).
    void setParameters(const QByteArray &block);
    const QByteArray &parameters() const { return m_content.parameters; }
    int address() const { return m_address; }

    // Bytes from the line; returns what the card answers.
    QByteArray receive(QByteArrayView bytes);
    // Reports an unfinished frame after the line went quiet.
    void flushPending();
    bool hasPending() const { return m_splitter.hasPending(); }

    // One frame from the line, or from a USB file: that one is never
    // answered and carries no address the card must check.
    enum class Source { Line, UsbFile };
    QByteArray handle(const SignFrame &frame, Source source = Source::Line);

    // The planes of program k (1-based) as received so far.
    QImage programPicture(int program) const;
    QString picturePath(int program) const;

    // What was received.
    using Program = CardContent::Program;
    const Program &program(int n) const { return m_content.programs.at(std::size_t(n - 1)); }
    QByteArray brightness() const { return m_content.brightness; }
    QByteArray timer() const { return m_content.timer; }
    int power() const { return m_content.power; }
    int pause() const { return m_content.pause; }
    int border() const { return m_content.border; }
    const CardContent &content() const { return m_content; }
    // Count the frames that changed the programs (or the screen), and
    // those that changed the other settings.
    int programRevision() const { return m_programRevision; }
    int controlRevision() const { return m_controlRevision; }
    int unparsedCount() const { return m_unparsed; }

    // The default screen parameters of a card of this class and address.
    static QByteArray defaultParameters(Class cardClass, int address);

private:
    bool addressedToMe(uint8_t address) const
    {
        return m_source == Source::UsbFile || address == m_address || address == 0xFF;
    }
    QByteArray acknowledgement() const;
    QByteArray parameterReply(uint8_t requested) const;
    QByteArray dispatch(const SignFrame &frame, QJsonObject &log);
    void writePicture(int program, QJsonObject &log);
    void writeLog(const QJsonObject &entry);
    void saveContent(int program = 0);

    Class m_class;
    int m_address;
    QString m_outDir;
    CardContent m_content;
    FrameSplitter m_splitter;
    int m_programRevision = 0;
    int m_controlRevision = 0;
    int m_unparsed = 0;
    int m_sequence = 0;
    Source m_source = Source::Line;
};

} // namespace lumetra::sign
