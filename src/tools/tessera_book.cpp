#include "tools/commands.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>

using namespace tessera::tool;

namespace {
const char* const Usage = R"(Usage: tessera-book COMMAND BOOK.tsb [OPTIONS]

Reads and writes Tessera book files (.tsb).

Commands:
  info BOOK.tsb
      Prints the header as one JSON object: magic, size, the seven members
      with their lengths and blocks, the book information, cover settings,
      key, protection, multiple-choice format and number of records.
  export BOOK.tsb [--format json|csv] [--output FILE] [--pictures DIR]
      Prints the records in file order (JSON by default) with the record
      field names as keys or columns: Tema, Pregunta, Respuesta, Multiple,
      Opcion1..Opcion6, Nivel, PregTot, PregOK, ForzarRespuesta, Historico,
      HoraPregunta, VocBasico, VocExt, Novato, HoraNovato, NoPreguntar,
      Clasificacion, Comentario, YaEstudiado, MostrarImagen, ImagenTam.
      Times read dd/mm/yyyy hh:nn:ss; flags are true/false in JSON, 1/0 in CSV.
      --output writes to FILE instead; --pictures writes each record's
      picture into DIR and adds an Imagen column with its path relative to
      the output (the current folder for printed output).
  create BOOK.tsb [--from FILE.csv|FILE.json] [book options]
      Makes a new book. The CSV is UTF-8 (RFC 4180) with a header row of the
      field names above, plus an optional Imagen column holding a JPEG path
      relative to the CSV; JSON is an array of objects with the same keys, as
      export writes it. Only Tema, Pregunta and Respuesta are required; other
      fields take the values of a new record, and ImagenTam follows the
      picture. Without --from the book has no records.
      Book options:
        --title T  --author A  --author-data T  --email E  --category C
        --version V  --summary T  --summary-file FILE  --password P
        --created "dd/mm/yyyy hh:nn:ss"  --last-practice "dd/mm/yyyy hh:nn:ss"
        --cover-design 1..20  --cover-picture true|false
        --cover-colour N  --title-background N  --title-font N
        --title-transparent true|false  --choice-format 1..5
        --key 16-HEX-DIGITS (default: drawn at random)
        --now "dd/mm/yyyy hh:nn:ss" (the moment for creation and record times)
      Member files:
        --params FILE   study parameters (default: param.dat beside this tool)
        --cover FILE    cover.jpg
        --image FILE    image.bmp (default: image_p.bmp beside this tool)
        --notepad FILE  notepad text, UTF-8
  check BOOK.tsb
      Verifies the container (member lengths against blocks and the file
      size, record file size, pictures inside the store, formats in range)
      and prints each problem in plain words.

Exit codes: 0 ok, 1 bad input (the message names the file, line or record
and field), 2 wrong usage.
)";

struct Command {
    const char* name;
    QStringList options;
    std::function<int(const QString&, const Options&)> run;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"info", {}, [](const QString& book, const Options&) { return runInfo(book); }},
        {"export", {"format", "output", "pictures"}, runExport},
        {"create",
         {"from",          "title",
          "author",        "author-data",
          "email",         "category",
          "version",       "summary",
          "summary-file",  "password",
          "created",       "last-practice",
          "cover-design",  "cover-picture",
          "cover-colour",  "title-background",
          "title-font",    "title-transparent",
          "choice-format", "key",
          "now",           "params",
          "cover",         "image",
          "notepad"},
         runCreate},
        {"check", {}, [](const QString& book, const Options&) { return runCheck(book); }},
    };
    return table;
}

int usageError(const QString& message) {
    printError(message + QStringLiteral(" (tessera-book --help shows the usage)"));
    return ExitUsage;
}

// Splits "--name value" and "--name=value" pairs; false with a message otherwise.
bool parseOptions(const QStringList& args, const QStringList& allowed, QString& book,
                  Options& options, QString& error) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!book.isEmpty()) {
                error = QStringLiteral("more than one book: %1 and %2").arg(book, arg);
                return false;
            }
            book = arg;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = QStringLiteral("--%1 needs a value").arg(name);
            return false;
        }
        if (!allowed.contains(name)) {
            error = QStringLiteral("unknown option --%1").arg(name);
            return false;
        }
        options[name] = value;
    }
    if (book.isEmpty()) error = QStringLiteral("no book file given");
    return !book.isEmpty();
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        printOut(Usage);
        return ExitOk;
    }
    if (args.isEmpty()) return usageError(QStringLiteral("no command given"));
    for (const Command& command : commands()) {
        if (args.first() != QLatin1String(command.name)) continue;
        QString book;
        Options options;
        QString error;
        if (!parseOptions(args.mid(1), command.options, book, options, error))
            return usageError(QStringLiteral("%1: %2").arg(args.first(), error));
        return command.run(book, options);
    }
    return usageError(QStringLiteral("unknown command \"%1\"").arg(args.first()));
}
