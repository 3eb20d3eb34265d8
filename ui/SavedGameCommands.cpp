// Save and Open: the file dialogs, writing and reading .wzq files, and what loading does to
// the game. The format itself lives in the model (SavedGame.h).
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "MainForm.h"
#include "ReviewStart.h"
#include "SafeFileReader.h"
#include "SafeFileWriter.h"
#include "SavedGame.h"

namespace {

const QString FileFilter = QStringLiteral("*.wzq");
const QString FileSuffix = QStringLiteral("wzq");

QString ShownPath(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

}  // namespace

void TForm1::CreateFileDialogs() {
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite, false);

    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
}

void TForm1::Action6Execute() {
    const QString fileName = ChooseGameFile(SaveDialog1);
    if (!fileName.isEmpty()) SaveGameFile(fileName);
}

void TForm1::Action7Execute() {
    const QString fileName = ChooseGameFile(OpenDialog1);
    if (!fileName.isEmpty()) LoadGameFile(fileName);
}

QString TForm1::ChooseGameFile(QFileDialog* dialog) {
    dialog->setNameFilter(FileFilter);
    dialog->setDefaultSuffix(FileSuffix);
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

bool TForm1::SaveGameFile(const QString& fileName) {
    const std::vector<std::uint8_t> bytes = wuziqi::EncodeSavedGame(GameState->MoveHistory);
    const std::optional<QString> failure = WriteFileSafely(
        fileName, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (failure) {
        ShowMessage(
            QStringLiteral("Cannot create file \"%1\". %2").arg(ShownPath(fileName), *failure));
        return false;
    }
    ShowMessage(QStringLiteral("保存完毕！ 总步数：") +
                QString::number(GameState->MoveHistory.size()));
    return true;
}

bool TForm1::LoadGameFile(const QString& fileName) {
    // One byte past the largest saved game tells a file over the limit from one just at it.
    const FileContents file =
        ReadRegularFile(fileName, static_cast<qint64>(wuziqi::LargestSavedGameFile) + 1);
    if (file.outcome == FileContents::Outcome::NotRegularFile) {
        ShowMessage(QString::fromStdString(
            wuziqi::DescribeSavedGameError(wuziqi::SavedGameError::NotARegularFile)));
        return false;
    }
    if (file.outcome != FileContents::Outcome::Read) {
        const QString text = file.outcome == FileContents::Outcome::CannotOpen
                                 ? QStringLiteral("Cannot open file \"%1\". %2")
                                 : QStringLiteral("Cannot read file \"%1\". %2");
        ShowMessage(text.arg(ShownPath(fileName), file.reason));
        return false;
    }

    // Everything is checked before anything of the current game changes.
    const auto* first = reinterpret_cast<const std::uint8_t*>(file.bytes.constData());
    wuziqi::DecodedGame decoded =
        wuziqi::DecodeSavedGame({first, static_cast<std::size_t>(file.bytes.size())});
    if (!decoded.ok()) {
        ShowMessage(QString::fromStdString(
            wuziqi::DescribeSavedGameError(decoded.error, decoded.badEntry)));
        return false;
    }
    const std::size_t count = decoded.moves.size();
    // The loaded game replaces the one the computer was answering.
    CancelComputerMove();
    wuziqi::StartReview(*GameState, std::move(decoded.moves));
    SyncStepCommands();
    RedrawBoard();
    ShowMessage(QStringLiteral("成功读入! 总步数：") + QString::number(count));
    return true;
}
