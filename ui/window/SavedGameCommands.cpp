// Save and Open: the file dialogs, writing and reading game files, and what loading does to
// the game. The formats themselves live in the model (SavedGame.h, PsqFile.h, SgfFile.h).
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "GameFileFormat.h"
#include "GameTexts.h"
#include "MainForm.h"
#include "ReviewStart.h"
#include "SafeFileReader.h"
#include "SafeFileWriter.h"
#include "SavedGame.h"

namespace {

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

    // A bare file name gets the extension of the format the filter picks.
    for (QFileDialog* dialog : {SaveDialog1, OpenDialog1})
        connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
            dialog->setDefaultSuffix(SuffixOf(FormatOfFilter(filter)));
        });
}

void TForm1::RemakeFileDialogs() {
    // Qt's dialog keeps a few texts in the language it was made in (the sidebar's "Computer"),
    // so after a change of language both are made anew, each in the folder it was showing. The
    // old ones go once the change has reached every window. One that is open stays.
    if (SaveDialog1->isVisible() || OpenDialog1->isVisible()) return;
    const QDir saveFolder = SaveDialog1->directory();
    const QDir openFolder = OpenDialog1->directory();
    for (QFileDialog* old : {SaveDialog1, OpenDialog1}) {
        old->setParent(nullptr);
        old->deleteLater();
    }
    CreateFileDialogs();
    SaveDialog1->setDirectory(saveFolder);
    OpenDialog1->setDirectory(openFolder);
}

void TForm1::Action6Execute() {
    const ChosenGameFile file = ChooseGameFile(SaveDialog1);
    if (!file.name.isEmpty()) SaveGameFile(file.name, file.format);
}

void TForm1::Action7Execute() {
    const ChosenGameFile file = ChooseGameFile(OpenDialog1);
    if (!file.name.isEmpty()) LoadGameFile(file.name);
}

ChosenGameFile TForm1::ChooseGameFile(QFileDialog* dialog) {
    // Every time the dialog opens on the .wzq filter.
    dialog->setNameFilters(GameFileFilters());
    dialog->selectNameFilter(GameFileFilters().first());
    dialog->setDefaultSuffix(SuffixOf(GameFileFormat::Wzq));
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty()) return {};
    LastGameFolder = QFileInfo(chosen.first()).absolutePath();
    // The filter only stands for a name typed without a game file's extension.
    const QString& name = chosen.first();
    return {name, FormatNamedBy(name).value_or(FormatOfFilter(dialog->selectedNameFilter()))};
}

bool TForm1::SaveGameFile(const QString& fileName, GameFileFormat format) {
    const QByteArray bytes = EncodeGameFile(format, GameState->MoveHistory, PlayersOfGame());
    const std::optional<QString> failure = WriteFileSafely(fileName, bytes);
    if (failure) {
        ShowMessage(tr("Cannot create file \"%1\". %2").arg(ShownPath(fileName), *failure));
        return false;
    }
    RememberGameFile(fileName);
    ShowMessage(tr("保存完毕！ 总步数：%1").arg(GameState->MoveHistory.size()));
    return true;
}

std::optional<QByteArray> TForm1::ReadGameBytes(const QString& fileName) {
    // One byte past the largest game file tells a file over the limit from one just at it.
    FileContents file = ReadRegularFile(fileName, LargestGameFile() + 1);
    if (file.outcome == FileContents::Outcome::NotRegularFile) {
        ShowMessage(GameTexts::SavedGameRefusal(wuziqi::SavedGameError::NotARegularFile));
        return std::nullopt;
    }
    if (file.outcome != FileContents::Outcome::Read) {
        const QString text = file.outcome == FileContents::Outcome::CannotOpen
                                 ? tr("Cannot open file \"%1\". %2")
                                 : tr("Cannot read file \"%1\". %2");
        ShowMessage(text.arg(ShownPath(fileName), file.reason));
        return std::nullopt;
    }
    return std::move(file.bytes);
}

std::optional<std::vector<wuziqi::MoveRecord>> TForm1::ReadGameFile(const QString& fileName) {
    const std::optional<QByteArray> bytes = ReadGameBytes(fileName);
    if (!bytes) return std::nullopt;
    // Everything is checked before anything of the current game changes.
    ReadGameFileResult decoded = DecodeAnyGameFile(*bytes, fileName);
    if (!decoded.refusal.isEmpty()) {
        ShowMessage(decoded.refusal);
        return std::nullopt;
    }
    return std::move(decoded.moves);
}

bool TForm1::LoadGameFile(const QString& fileName) {
    std::optional<std::vector<wuziqi::MoveRecord>> moves = ReadGameFile(fileName);
    if (!moves) return false;
    const std::size_t count = moves->size();
    // The loaded game replaces the one the computer was answering.
    CancelComputerMove();
    wuziqi::StartReview(*GameState, std::move(*moves));
    GameWorthKeeping = false;
    GameFromFile = true;
    SyncStepCommands();
    RedrawBoard();
    RememberGameFile(fileName);
    ShowMessage(tr("成功读入! 总步数：%1").arg(count));
    return true;
}
