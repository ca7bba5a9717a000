// Runs every input of the committed fuzz corpus through its target once: the fuzzers'
// findings stay fixed in every test run, built with the ordinary compiler.
//
//     replay_corpus CORPUS_FOLDER

#include "fuzz_targets.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: replay_corpus CORPUS_FOLDER\n");
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const morvelin::fuzz::NamedTarget &target : morvelin::fuzz::kTargets) {
        const QDir folder(corpus.filePath(QString::fromLatin1(target.name)));
        const QStringList names = folder.entryList(QDir::Files);
        // A target without inputs would pass without having tried anything.
        if (names.isEmpty()) {
            std::fprintf(stderr, "%s: no inputs in %s\n", target.name, qPrintable(folder.path()));
            ++failures;
            continue;
        }
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: cannot read %s\n", target.name, qPrintable(name));
                ++failures;
                continue;
            }
            const QByteArray bytes = file.readAll();
            target.run({reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                        std::size_t(bytes.size())});
        }
        std::printf("%s: %lld inputs\n", target.name, static_cast<long long>(names.size()));
    }
    return failures == 0 ? 0 : 1;
}
