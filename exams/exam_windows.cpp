#include "exams/exam_windows.h"

#include "app/format.h"
#include "exams/record_file.h"
#include "printing/exam_printouts.h"

namespace cinemoto {

namespace {

void name(Control &c, const char *n, int index = 0)
{
    c.name = QString::fromLatin1(n);
    c.index = index;
}

template <std::size_t N>
void nameArray(std::array<Control, N> &array, const char *n, std::size_t from)
{
    for (std::size_t i = from; i < N; ++i)
        name(array[i], n, int(i));
}

QString recordPath(Formulari &main)
{
    return main.services().folder->recordsFolder() + QStringLiteral("/exadat");
}

// The reason a pupil is given for a record file that failed.
QString failureText(const Formulari &main, const FileError &error)
{
    switch (error.failure) {
    case FileFailure::NoSpace:
        return main.text(385);
    case FileFailure::PermissionDenied:
        return main.text(386);
    case FileFailure::Locked:
        return main.text(387);
    case FileFailure::NotARegularFile:
        return main.text(388);
    case FileFailure::Missing:
        return main.text(400);
    case FileFailure::None:
    case FileFailure::Other:
        break;
    }
    return main.text(389) + QStringLiteral(" (") + error.detail + QLatin1Char(')');
}

} // namespace

ExamResultModel::ExamResultModel(Formulari &main) : m_main(main)
{
    name(form, "frmExamen");
    form.caption = QStringLiteral("Resultat de l'examen");
    name(lblTitol, "lblTitol");
    name(lblExercici, "lblExercici");
    name(lblResultat, "lblResultat");
    name(lblTempstit, "lblTempstit");
    name(lblPunts, "lblPunts");
    name(lblTotal, "lblTotal");
    name(lblNom, "lblNom");
    name(txtNom, "txtNom");
    txtNom.kind = Control::Kind::TextBox;
    name(cmdAcceptar, "cmdAcceptar");
    cmdAcceptar.caption = QStringLiteral("OK");
    name(cmdCancel, "cmdCancel");
    name(cmdPrint3, "cmdPrint3");
    nameArray(lbl1, "lbl1", 1);
    nameArray(lblCorrecte, "lblCorrecte", 1);
    nameArray(lblTemps, "lblTemps", 0);
    nameArray(lblPunt, "lblPunt", 0);
    for (int i = 1; i <= 5; ++i)
        lbl1[std::size_t(i)].caption = QString::number(i);
    for (Control *c : {&form, &lblTitol, &lblExercici, &lblResultat, &lblTempstit, &lblPunts, &lblTotal})
        c->foreColor = kPaperWhite;
    form.backColor = kScreenBlue;
    for (std::size_t i = 0; i < 6; ++i) {
        for (auto *array : {&lbl1, &lblCorrecte, &lblTemps, &lblPunt})
            (*array)[i].foreColor = kPaperWhite;
    }
    lblNom.foreColor = kPaperWhite;
    // Times and points right-aligned under their titles, so their digits line up.
    for (std::size_t i = 0; i < 6; ++i)
        lblTemps[i].alignment = lblPunt[i].alignment = 1;
    lblTempstit.alignment = lblPunts.alignment = 1;
}

void ExamResultModel::Form_Load()
{
    const Services &s = m_main.services();
    useProgramHelpFile(s);
    lblTitol.caption = m_main.text(471);
    lblExercici.caption = m_main.text(472);
    lblResultat.caption = m_main.text(473);
    lblTempstit.caption = m_main.text(474);
    lblPunts.caption = m_main.text(475);
    lblTotal.caption = m_main.text(476);
    lblNom.caption = m_main.text(477);
    cmdCancel.caption = m_main.text(453);
    cmdPrint3.caption = m_main.text(450);
    s.random->seedFromTimer();
    const QChar decimal = systemDecimal();
    for (std::size_t i = 1; i <= 5; ++i) {
        lblTemps[i].caption = m_main.examTimes[i];
        lblCorrecte[i].caption = m_main.examResults[i];
        lblPunt[i].caption = generalNumber(m_main.examScores[i], decimal);
    }
    lblPunt[0].caption = generalNumber(m_main.examScores[0], decimal);
    lblTemps[0].caption = m_main.examTimes[0];
    if (m_main.examSaved) {
        txtNom.caption = m_main.lastExamName;
        txtNom.selStart = 0;
        txtNom.selLength = int(txtNom.caption.size());
    }
}

void ExamResultModel::txtNom_KeyPress(int &key)
{
    if (key == 13) {
        key = 0;
        cmdAcceptar_Click();
    }
}

void ExamResultModel::cmdAcceptar_Click()
{
    if (closed)
        return;
    const Services &s = m_main.services();
    // What the record file cannot hold is shown replaced before anything is stored.
    const QString storable = withUnstorableReplaced(txtNom.caption);
    if (storable != txtNom.caption) {
        txtNom.caption = storable;
        return;
    }
    if (txtNom.caption.isEmpty())
        txtNom.caption = m_main.text(391);
    const auto key = quint8(qBound(0, int(s.random->next() * 256), 255));
    const QDateTime now = s.clock->now();
    ExamRecord record;
    record.name = txtNom.caption;
    record.points = formatNumber(m_main.examScores[0], QStringLiteral("#0.#"), systemDecimal());
    record.date = formatDate(now.date(), m_main.text(392));
    record.time = formatTime(now.time(), QStringLiteral("hh:mm"));
    FileError error;
    if (!ExamRecordFile(recordPath(m_main)).store(record, key, &error)) {
        // Nothing is lost: the result stays on screen to try again or to print.
        s.messageBox->show(MessageBoxService::Icon::Exclamation,
                           m_main.text(393) + m_main.newLine + failureText(m_main, error) + m_main.newLine
                               + m_main.text(394),
                           m_main.text(395), MessageBoxService::Buttons::Ok);
        return;
    }
    m_main.lastExamName = txtNom.caption;
    m_main.examSaved = true;
    m_main.examResultWaiting = false;
    closed = true;
    if (onStored)
        onStored();
}

void ExamResultModel::cmdCancel_Click()
{
    if (closed)
        return;
    // A finished exam is thrown away only when the pupil says so; staying is the default.
    if (m_main.examResultWaiting
        && m_main.services().messageBox->show(MessageBoxService::Icon::Question, m_main.text(397),
                                              m_main.text(396), MessageBoxService::Buttons::YesNoDefaultNo)
            != MessageBoxService::Answer::Yes)
        return;
    m_main.examResultWaiting = false;
    m_main.c.form.enabled = true;
    closed = true;
}

void ExamResultModel::Form_Unload()
{
    if (!closed)
        cmdCancel_Click();
}

void ExamResultModel::cmdPrint3_Click(PrinterService::Target target)
{
    sendPrintout(m_main, examResultSheet(m_main, *this), target);
}

ExamsTakenModel::ExamsTakenModel(Formulari &main) : m_main(main)
{
    name(form, "frmExadat");
    form.caption = QStringLiteral("Exàmens realitzats");
    form.backColor = kScreenBlue;
    name(lblTitol, "lblTitol");
    name(lblElnom, "lblElnom");
    name(lblElspunts, "lblElspunts");
    name(lblEldia, "lblEldia");
    name(lblLahora, "lblLahora");
    name(cmdAcceptar, "cmdAcceptar");
    name(cmdPrint2, "cmdPrint2");
    nameArray(lblNom, "lblNom", 1);
    nameArray(lblPunts, "lblPunts", 1);
    nameArray(lblDia, "lblDia", 1);
    nameArray(lblHora, "lblHora", 1);
    for (Control *c : {&lblTitol, &lblElnom, &lblElspunts, &lblEldia, &lblLahora})
        c->foreColor = kPaperWhite;
    for (std::size_t i = 1; i <= 10; ++i) {
        for (auto *array : {&lblNom, &lblPunts, &lblDia, &lblHora})
            (*array)[i].foreColor = kPaperWhite;
        lblPunts[i].alignment = 1; // points line up by their digits
    }
    lblElspunts.alignment = 1;
}

void ExamsTakenModel::Form_Load()
{
    const Services &s = m_main.services();
    useProgramHelpFile(s);
    lblTitol.caption = m_main.text(481);
    lblElnom.caption = m_main.text(482);
    lblElspunts.caption = m_main.text(475);
    lblEldia.caption = m_main.text(483);
    lblLahora.caption = m_main.text(484);
    cmdAcceptar.caption = m_main.text(453);
    cmdPrint2.caption = m_main.text(450);
    const ExamRecordFile file(recordPath(m_main));
    file.createIfMissing();
    folderText = m_main.text(390) + QLatin1Char(' ') + m_main.services().folder->recordsFolder();
    std::array<ExamRecord, kRecordCount> records;
    FileError error;
    problemText.clear();
    if (!file.read(records, &error))
        problemText = m_main.text(399) + m_main.newLine + failureText(m_main, error);
    else if (!isRegularFile(file.path()))
        problemText = m_main.text(399) + m_main.newLine + m_main.text(400);
    for (std::size_t i = 1; i <= 10; ++i) {
        const ExamRecord &r = records[i - 1];
        lblNom[i].caption = r.name;
        lblPunts[i].caption = r.points;
        lblDia[i].caption = r.date;
        lblHora[i].caption = r.time;
    }
}

void ExamsTakenModel::cmdAcceptar_Click()
{
    m_main.c.form.enabled = true;
    closed = true;
}

void ExamsTakenModel::Form_Unload()
{
    if (!closed)
        cmdAcceptar_Click();
}

void ExamsTakenModel::cmdPrint2_Click(PrinterService::Target target)
{
    sendPrintout(m_main, examsTakenSheet(m_main, *this), target);
}

} // namespace cinemoto
