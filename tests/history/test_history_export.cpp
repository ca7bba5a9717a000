// The history taken elsewhere and back: CSV as a strict reader reads it, the Dutch
// spreadsheet flavour, JSON that comes back byte for byte, and the command line.

#include "file_checks.h"
#include "history/history_export.h"
#include "history/history_file.h"
#include "history/history_reading.h"
#include "history/history_transfer.h"

#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

using namespace morvelin;
using morvelin::test::ReadBytes;
using morvelin::test::WriteList;

namespace {

// RFC 4180 read strictly: records end with CR LF, a quoted field doubles its quotes and
// is followed by a separator or the record's end; anything else is an error.
std::optional<QList<QStringList>> ReadCsvStrictly(const QString &text, QChar separator)
{
    QList<QStringList> records;
    QStringList record;
    qsizetype i = 0;
    while (i < text.size()) {
        QString field;
        if (text[i] == u'"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"')
                        field += text[++i];
                    else
                        break;
                } else {
                    field += text[i];
                }
            }
            ++i;
        } else {
            while (i < text.size() && text[i] != separator && text[i] != u'\r') {
                if (text[i] == u'"' || text[i] == u'\n')
                    return std::nullopt;
                field += text[i++];
            }
        }
        record << field;
        if (i < text.size() && text[i] == separator) {
            ++i;
            continue;
        }
        if (text.mid(i, 2) != QLatin1String("\r\n"))
            return std::nullopt;
        i += 2;
        records << record;
        record.clear();
    }
    return records;
}

const QStringList kHistory = {
    "09.dec.26 (Werk, en \"liefde\"; ja) [0] 05 17 78",
    "10.jan.27 (=SOM(A1)) [1] 01 28 19",
    "11.jan.27 (- moe) [2] 10 11 12",
    "hand geschreven, zonder code",
    "12.jan.27 (...) [0] 01 02 03",
};

QByteArray Export(ExportFormat format, const QStringList &lines = kHistory)
{
    return ExportHistory(TextList{lines}, format, QDateTime(QDate(2026, 12, 10), QTime(8, 0)),
                         HistoryDateReader());
}

} // namespace

class TestHistoryExport : public QObject {
    Q_OBJECT

private slots:
    void csvReadsBackField_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("formula");
        QTest::addRow("csv") << int(ExportFormat::Csv) << ","
                             << "=SOM(A1)";
        QTest::addRow("csv-excel") << int(ExportFormat::CsvExcel) << ";"
                                   << "'=SOM(A1)";
    }
    void csvReadsBackField()
    {
        QFETCH(int, format);
        QFETCH(QString, separator);
        QFETCH(QString, formula);
        const QByteArray bytes = Export(ExportFormat(format));
        const bool excel = ExportFormat(format) == ExportFormat::CsvExcel;
        // The byte-order mark only where spreadsheet programs need it.
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), excel);
        const auto records =
            ReadCsvStrictly(QString::fromUtf8(excel ? bytes.mid(3) : bytes), separator.front());
        QVERIFY(records);
        QCOMPARE(records->size(), 1 + kHistory.size());
        QCOMPARE(records->at(0).first(), "datum");
        QCOMPARE(records->at(1), (QStringList{"2026-12-09", "Werk, en \"liefde\"; ja",
                                              "Rider Waite", "5", "De Hogepriester", "17",
                                              "De Ster", "78", "Munten Tien", kHistory[0]}));
        QCOMPARE(records->at(2)[1], formula);
        QCOMPARE(records->at(3)[1], excel ? "'- moe" : "- moe");
        QCOMPARE(records->at(3)[2], "Thierens");
        // A line out of the saved format keeps what can be read: only its own text.
        QCOMPARE(records->at(4), (QStringList(9, QString()) << kHistory[3]));
    }

    void jsonKeepsEveryReadingAndComesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("Windows-1252")
            << QByteArray("09.dec.26 (\xE9\xE9n) [0] 05 17 78\r\n"
                          "kapot\r\n\r\n09.dec.26 (\xE9\xE9n) [0] 05 17 78\r\n");
        QTest::addRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                      "01.jan.26 (a) [1] 01 02 03\r\n");
    }
    void jsonKeepsEveryReadingAndComesBackByteForByte()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir from;
        QTemporaryDir to;
        const TextListStore source(from.path());
        const TextListStore target(to.path());
        {
            QFile history(source.path(kHistoryFileName));
            QVERIFY(history.open(QIODevice::WriteOnly));
            history.write(file);
        }
        const Result<TextList> history = source.read(kHistoryFileName);
        QVERIFY(history);
        const QByteArray json = ExportHistory(*history, ExportFormat::Json,
                                              QDateTime::currentDateTime(), HistoryDateReader());
        const Result<TextList> exported = ReadExportedLines(json);
        QVERIFY(exported);
        QCOMPARE(exported->lines.size(), history->lines.size());

        const Result<int> imported = ImportHistory(target, json);
        QVERIFY2(imported, qPrintable(imported.error()));
        QCOMPARE(*imported, int(history->lines.size()));
        QCOMPARE(ReadBytes(target.path(kHistoryFileName)), file);
        // A second import finds every reading there already.
        QCOMPARE(*ImportHistory(target, json), 0);
        QCOMPARE(ReadBytes(target.path(kHistoryFileName)), file);
    }

    void importAddsOnlyWhatIsMissingAfterTheBackup()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(WriteList(store, kHistoryFileName, TextList{{kHistory[0], "eigen regel"}}));
        QVERIFY(ImportHistory(store, Export(ExportFormat::Json)));
        QCOMPARE(store.read(kHistoryFileName)->lines,
                 (QStringList{kHistory[0], "eigen regel"} + kHistory.mid(1)));
        QCOMPARE(store.read(kHistoryBackupName)->lines, (QStringList{kHistory[0], "eigen regel"}));
    }

    // An import that cannot be written leaves the history and its backup as they were,
    // in ways that stop root too.
    void importThatCannotBeWrittenChangesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::addRow("a folder where the backup should be")
            << "folder"
            << "MorvelLijst.bak kan niet bewaard worden: ";
        QTest::addRow("a full disk") << "full"
                                     << "MorvelLijst.bak kan niet bewaard worden: ";
        QTest::addRow("the lists' folder behind a regular file")
            << "path"
            << "MorvelLijst.txt kan niet bewaard worden: ";
        // The backup (the history as it was) still fits; the longer history does not.
        QTest::addRow("a disk full after the backup")
            << "full after backup"
            << "MorvelLijst.txt kan niet bewaard worden: ";
    }
    void importThatCannotBeWrittenChangesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QByteArray history =
            morvelin::test::TooLongForAFullDisk(kHistory[0].toLatin1() + "\r\n");
        morvelin::test::WriteBytes(folder.filePath(kHistoryFileName), history);
        const QString listFolder =
            fault == "path" ? folder.filePath(kHistoryFileName) : folder.path();
        if (fault == "folder")
            QVERIFY(QDir(folder.path()).mkdir(kHistoryBackupName));
        const TextListStore store(listFolder);
        const QByteArray json = Export(ExportFormat::Json);
        const auto importFails = [&store, &json, &error] {
            const Result<int> imported = ImportHistory(store, json);
            return !imported && imported.error().startsWith(error);
        };
        if (fault == "full")
            QVERIFY(morvelin::test::SucceedsUnderFileSizeLimit(morvelin::test::kFullDiskRoom,
                                                               importFails));
        else if (fault == "full after backup")
            QVERIFY(
                morvelin::test::SucceedsUnderFileSizeLimit(rlim_t(history.size()), importFails));
        else
            QVERIFY(importFails());
        QCOMPARE(ReadBytes(folder.filePath(kHistoryFileName)), history);
        QCOMPARE(morvelin::test::FilesIn(folder.path()).size(), fault == "folder" ? 2 : 1);
    }

    void importRefusesWhatIsNoExport_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addRow("not JSON") << QByteArray("{kapot");
        QTest::addRow("other format")
            << QByteArray(R"({"format": "iets", "version": 1, "readings": []})");
        QTest::addRow("newer version")
            << QByteArray(R"({"format": "morvelin-history", "version": 2, "readings": []})");
        QTest::addRow("a line that would break in two") << QByteArray(
            R"({"format": "morvelin-history", "version": 1, "readings": [{"line": "a\nb"}]})");
        QTest::addRow("a reading without line")
            << QByteArray(R"({"format": "morvelin-history", "version": 1, "readings": [{}]})");
    }
    void importRefusesWhatIsNoExport()
    {
        QFETCH(QByteArray, json);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(WriteList(store, kHistoryFileName, TextList{{"a"}}));
        const Result<int> imported = ImportHistory(store, json);
        QVERIFY(!imported);
        QVERIFY2(imported.error().startsWith("Dit bestand is geen export van MorvelLijst.txt: "),
                 qPrintable(imported.error()));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), QByteArray("a\r\n"));
        QVERIFY(!store.exists(kHistoryBackupName));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("history");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addRow("csv") << QStringList{"--export", "csv", "uit.csv"} << true << 0 << "";
        QTest::addRow("no history file") << QStringList{"--export", "json", "uit.json"} << false
                                         << 1 << "er zijn nog geen vragen bewaard";
        QTest::addRow("unknown format") << QStringList{"--export", "xml", "uit.xml"} << true << 1
                                        << "gebruik: morvelin --export csv|csv-excel|json";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, history);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir folder;
        if (history)
            QVERIFY(WriteList(TextListStore(folder.path()), kHistoryFileName, TextList{kHistory}));
        QProcess program;
        program.setWorkingDirectory(folder.path());
        // No display at all: the export opens no window.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.start(MORVELIN_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(QString::fromUtf8(program.readAllStandardError()).contains(message),
                 qPrintable(message));
        if (status == 0)
            QCOMPARE(ReadBytes(folder.filePath(arguments[2])), Export(ExportFormat::Csv));
    }
};

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "test_history_export.moc"
