// Broken picture files, as an examiner who drops replacements in the picture folder would make
// them: each is named before a candidate starts when its structure shows it, ends the program in
// an orderly way when met between two questions, and never shows partly drawn.
#include "picturetestrun.h"

#include "moduleimages.h"
#include "picturebox.h"
#include "program.h"
#include "screenchain.h"
#include "titre.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A picture with enough detail that its compressed data spans several blocks.
QByteArray goodGif()
{
    QImage picture(120, 60, QImage::Format_RGB32);
    QRandomGenerator noise(16);
    const QVector<QRgb> palette { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255) };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, palette.at(int(noise.bounded(4))));
    }
    QTemporaryDir folder;
    QString error;
    if (!writeGif(folder.filePath("good.gif"), picture, palette, &error))
        qFatal("%s", qPrintable(error));
    QFile file(folder.filePath("good.gif"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray goodJpeg()
{
    QImage picture(120, 60, QImage::Format_RGB32);
    QRandomGenerator noise(16);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, noise.generate() | 0xFF000000);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes;
}

// Where the image descriptor of a GIF written without extensions begins.
qsizetype imageDescriptorOf(const QByteArray &gif)
{
    const auto packed = static_cast<unsigned char>(gif.at(10));
    const int paletteBytes = (packed & 0x80) ? 3 * (2 << (packed & 7)) : 0;
    return 13 + paletteBytes;
}

QByteArray withSize(QByteArray gif, qsizetype at, int width, int height)
{
    gif[at] = char(width & 0xFF);
    gif[at + 1] = char(width >> 8);
    gif[at + 2] = char(height & 0xFF);
    gif[at + 3] = char(height >> 8);
    return gif;
}

using Fault = std::function<bool(const QString &path)>;

// The kernel lets root read any file, and Windows files have no read permission to take away.
bool filesCanBeMadeUnreadable()
{
#ifdef Q_OS_UNIX
    return geteuid() != 0;
#else
    return false;
#endif
}

// The working folder for one test, which the picture lookup reads before the program's own folder.
class WorkingFolder {
public:
    explicit WorkingFolder(bool used)
        : previous(QDir::currentPath())
    {
        if (used)
            QDir::setCurrent(folder.path());
    }
    ~WorkingFolder() { QDir::setCurrent(previous); }

    // A copy, in the working folder, of a picture of another folder.
    QString copyOf(const QString &path)
    {
        const QString copy = folder.filePath(QFileInfo(path).fileName());
        QFile::copy(path, copy);
        return copy;
    }

private:
    QTemporaryDir folder;
    QString previous;
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

Fault content(const QByteArray &bytes)
{
    return [bytes](const QString &path) { return writeFile(path, bytes); };
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class tst_Faults : public ScreenSuite {
    Q_OBJECT

private slots:
    void brokenPicture_data();
    void brokenPicture();
    void startUpCheckComesBeforeTheCandidate_data();
    void startUpCheckComesBeforeTheCandidate();
};

void tst_Faults::brokenPicture_data()
{
    QTest::addColumn<QString>("screen"); // empty: a decoration picture of the title screen
    QTest::addColumn<int>("question"); // whose picture is broken
    QTest::addColumn<QString>("file");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("namedAtStart");
    QTest::addColumn<bool>("inWorkingFolder"); // else in the program's own picture folder

    const QByteArray good = goodGif();
    const qsizetype descriptor = imageDescriptorOf(good);
    QByteArray corrupted = good;
    // The first bytes of compressed data, past the code size and the block length.
    corrupted.replace(descriptor + 12, 24, QByteArray(24, '\xFF'));
    QByteArray twoFrames = good.left(good.size() - 1) + good.mid(descriptor);
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    QImage(20, 20, QImage::Format_RGB32).save(&pngBuffer, "PNG");

    struct Kind {
        const char *name;
        Fault fault;
        bool namedAtStart;
    };
    const QList<Kind> kinds {
        { "missing", [](const QString &path) { return QFile::remove(path); }, true },
        { "empty", content(""), true },
        { "garbage", content("not a picture at all"), true },
        { "header only", content(good.left(13)), true },
        { "truncated in the palette", content(good.left(20)), true },
        { "truncated at a quarter", content(good.left(good.size() / 4)), true },
        { "truncated at half", content(good.left(good.size() / 2)), true },
        { "truncated at three quarters", content(good.left(good.size() * 3 / 4)), true },
        { "trailer missing", content(good.left(good.size() - 1)), true },
        { "corrupted data", content(corrupted), false },
        { "huge declared screen", content(withSize(good, 6, 60000, 60000)), true },
        { "huge declared image", content(withSize(good, descriptor + 5, 60000, 60000)), true },
        { "many frames", content(twoFrames), true },
        { "PNG under a GIF name", content(png), true },
        { "directory", [](const QString &path) { return QFile::remove(path) && QDir().mkdir(path); }, true },
        { "symbolic link loop",
            [](const QString &path) { return QFile::remove(path) && QFile::link(path, path); }, true },
    };
    const struct {
        const char *screen;
        int question;
        const char *file;
    } places[] = {
        { "Test1", 2, "image2.gif" },
        { "Test2", 5, "chemin5.gif" },
        { "Test4", 11, "cadran4.gif" },
        { "Test5", 30, "barre30.gif" },
        { "", 0, "Logo.gif" },
    };
    for (const auto &place : places) {
        for (const Kind &kind : kinds) {
            QTest::addRow("%s, %s", place.file, kind.name)
                << place.screen << place.question << place.file << kind.fault << kind.namedAtStart << false;
        }
    }
    const QByteArray jpeg = goodJpeg();
    const QList<Kind> jpegKinds {
        { "missing", [](const QString &path) { return QFile::remove(path); }, true },
        { "garbage", content("not a picture at all"), true },
        { "header only", content(jpeg.left(20)), true },
        { "truncated at half", content(jpeg.left(jpeg.size() / 2)), true },
        { "end marker missing", content(jpeg.left(jpeg.size() - 2)), true },
        { "GIF under a JPEG name", content(good), true },
    };
    for (const Kind &kind : jpegKinds)
        QTest::addRow("Image.jpg, %s", kind.name)
            << "" << 0 << "Image.jpg" << kind.fault << kind.namedAtStart << false;

    // Under Unix, as root, these rows mean something only in the unprivileged run of this suite.
    if (!filesCanBeMadeUnreadable())
        return;
    const Fault unreadable = [](const QString &path) { return QFile::setPermissions(path, {}); };
    for (const auto &place : { places[0], places[4] }) {
        for (bool inWorkingFolder : { false, true }) {
            QTest::addRow(
                "%s, unreadable, %s", place.file, inWorkingFolder ? "working folder" : "program folder")
                << place.screen << place.question << place.file << unreadable << true << inWorkingFolder;
        }
    }
    for (bool inWorkingFolder : { false, true }) {
        QTest::addRow("Image.jpg, unreadable, %s", inWorkingFolder ? "working folder" : "program folder")
            << "" << 0 << "Image.jpg" << unreadable << true << inWorkingFolder;
    }
}

void tst_Faults::brokenPicture()
{
    QFETCH(QString, screen);
    QFETCH(int, question);
    QFETCH(QString, file);
    QFETCH(Fault, fault);
    QFETCH(bool, namedAtStart);
    QFETCH(bool, inWorkingFolder);

    WorkingFolder working(inWorkingFolder);
    // Breaks the file of that folder, or a copy of it in the working folder, which is read first.
    auto breakIn = [&](const QString &folder) {
        const QString path = QDir(folder).filePath(file);
        return fault(inWorkingFolder ? working.copyOf(path) : path);
    };

    if (screen.isEmpty()) {
        // A broken decoration leaves its box empty, says which file on standard error, and the
        // program goes on.
        QTemporaryDir folder;
        writePicture(folder.filePath("Logo.gif"), 0);
        QVERIFY(writeFile(folder.filePath("Image.jpg"), goodJpeg()));
        QVERIFY(breakIn(folder.path()));
        Pictures::setProgramFolders({ folder.path() });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(file)));
        Harness h;
        h.start();
        Titre &titre = h.titre();
        QVERIFY((file == "Logo.gif" ? titre.Picture2 : titre.Picture1)->picture().isNull());
        QVERIFY(!(file == "Logo.gif" ? titre.Picture1 : titre.Picture2)->picture().isNull());
        QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
        return;
    }

    {
        QTemporaryDir folder;
        for (const QString &name : questionPictureNames())
            writePicture(folder.filePath(name), 0);
        QVERIFY(breakIn(folder.path()));
        Pictures::setProgramFolders({ folder.path() });
        Harness h;
        QCOMPARE(!checkQuestionPictures(h.forms), namedAtStart);
        QCOMPARE(h.messages.size(), namedAtStart ? 1 : 0);
        if (namedAtStart)
            QVERIFY2(h.messages.first().contains(file), qPrintable(h.messages.first()));
        tidyUpAfterTest();
    }

    // Swapped in while the candidate is on the question before.
    TestRun run(screen);
    QVERIFY(run.answerUpTo(question - 1, true));
    QVERIFY(breakIn(run.folder.path()));
    const qint16 score = run.titre->Score;
    const QString pictureBefore = run.test->Picture1->sourceName();
    const QImage imageBefore = run.test->Picture1->picture();
    run.answer(false);

    QCOMPARE(run.h.messages.size(), 1);
    QVERIFY2(run.h.messages.first().contains("« " + file + " »"), qPrintable(run.h.messages.first()));
    QVERIFY(run.h.forms.hasEnded());
    QCOMPARE(run.titre->Score, score);
    QCOMPARE(run.test->QuestionNumber, question - 1);
    QCOMPARE(run.test->Picture1->sourceName(), pictureBefore);
    QCOMPARE(run.test->Picture1->picture(), imageBefore);
}

// The program checks its question pictures once the title screen is painted; a click or a key
// that comes sooner waits for the check, and counts for nothing when a picture is missing.
void tst_Faults::startUpCheckComesBeforeTheCandidate_data()
{
    QTest::addColumn<QString>("missing"); // empty: every picture is there
    QTest::addColumn<QString>("firstInput"); // "click", "key" or empty: the paint comes first

    for (const char *input : { "", "click", "key" }) {
        QTest::addRow("image17.gif missing, %s first", *input ? input : "paint") << "image17.gif" << input;
        QTest::addRow("nothing missing, %s first", *input ? input : "paint") << "" << input;
    }
}

void tst_Faults::startUpCheckComesBeforeTheCandidate()
{
    QFETCH(QString, missing);
    QFETCH(QString, firstInput);

    QTemporaryDir folder;
    QVERIFY(writePicture(folder.filePath("Logo.gif"), 0));
    QVERIFY(writeFile(folder.filePath("Image.jpg"), goodJpeg()));
    for (const QString &name : questionPictureNames()) {
        if (name != missing)
            QVERIFY(writePicture(folder.filePath(name), 0));
    }
    Pictures::setProgramFolders({ folder.path() });

    auto application = static_cast<QApplication *>(QCoreApplication::instance());
    // The cross-built suites run under Wine beside a Qt that has no translations: the program says so.
    if (!QFile::exists(
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm"))) {
        QTest::ignoreMessage(
            QtWarningMsg, "selection-pilotes: traductions de Qt introuvables, boutons standard en anglais");
    }
    Program program(*application);
    QStringList messages;
    int quitCalls = 0;
    program.forms().setMessageBox([&messages](QWidget *, const QString &text) { messages.append(text); });
    program.forms().setQuit([&quitCalls] { ++quitCalls; });
    program.forms().setInputBox(
        [](QWidget *, const QString &, const QString &, const QString &) { return QStringLiteral("Zoé"); });
    program.start();
    Titre &titre = titreOf(program.forms());
    QVERIFY(titre.isVisible());
    QVERIFY(!program.picturesChecked());

    if (firstInput == "click")
        QTest::mouseClick(titre.Command1, Qt::LeftButton);
    else if (firstInput == "key")
        QTest::keyClick(titre.Command1, Qt::Key_Space);
    else
        QVERIFY(QTest::qWaitFor([&program] { return program.picturesChecked(); }));
    QVERIFY(program.picturesChecked());
    // Given with the check, for the window manager to draw beside the title.
    QVERIFY(!QGuiApplication::windowIcon().isNull());

    if (missing.isEmpty()) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(program.forms().hasEnded(), false);
        QCOMPARE(program.forms().isLoaded("Presentation1"), !firstInput.isEmpty());
        program.forms().End();
        return;
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(missing), qPrintable(messages.first()));
    QVERIFY(program.forms().hasEnded());
    QCOMPARE(quitCalls, 1);
    QVERIFY(!program.forms().isLoaded("Presentation1"));
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
