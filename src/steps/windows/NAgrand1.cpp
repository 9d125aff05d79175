#include "steps/windows/NAgrand1.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <string>

#include "calc/anchorage.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"
#include "steps/groundanchor.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NAgrand1", [] { return new NAgrand1; });
    return true;
}();

constexpr int kAreaLeft = 240;
constexpr int kAreaWidth = 8835;
constexpr int kHeaderHeight = 285;
constexpr int kRowHeight = 300;

// The tendon area: its heading band, then the panel with four rows.
constexpr int kTendonHeaderTop = 90;
constexpr int kTendonTop = kTendonHeaderTop + kHeaderHeight;
constexpr int kTendonHeight = 1620;
constexpr int kTendonRow[4] = {150, 510, 870, 1230};
// Columns of the tendon rows.
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 1080;
constexpr int kSymbolLeft = 1380;
constexpr int kSymbolWidth = 660;
constexpr int kNameLeft = kSymbolLeft;
constexpr int kNameWidth = 3900;
constexpr int kLoadLeft = 2100;
constexpr int kLoadWidth = 1020;
constexpr int kLoadUnitLeft = 3180;
constexpr int kNeedCaptionLeft = 4200;
constexpr int kNeedLeft = 4980;
constexpr int kNeedWidth = 1020;
constexpr int kNeedUnitLeft = 6060;
constexpr int kUnitWidth = 600;

// The area of the anchor kind and the checked rows.
constexpr int kSelectHeaderTop = kTendonTop + kTendonHeight + 60;
constexpr int kSelectTop = kSelectHeaderTop + kHeaderHeight;
constexpr int kSelectHeight = 4140 - kSelectTop;
constexpr int kOptionTop = 150;
constexpr int kOptionLeft[3] = {300, 2460, 5220};
constexpr int kOptionWidth[3] = {2040, 2640, 2880};
constexpr int kCheckRow[2] = {630, 1080};
// Columns of a checked row: factor ・load = allowable (kN) sign Pt = Pt (kN/本) ･･･ verdict.
constexpr int kFactorLeft = 300;
constexpr int kFactorWidth = 540;
constexpr int kTimesLeft = 870;
constexpr int kTimesWidth = 840;
constexpr int kAllowLeft = 1740;
constexpr int kAllowWidth = 1080;
constexpr int kAllowUnitLeft = 2880;
constexpr int kSignLeft = 3480;
constexpr int kSignWidth = 360;
constexpr int kPtCaptionLeft = 3900;
constexpr int kPtCaptionWidth = 660;
constexpr int kPtLeft = 4590;
constexpr int kPtWidth = 780;
constexpr int kPtUnitLeft = 5430;
constexpr int kPtUnitWidth = 1380;
constexpr int kVerdictLeft = 6840;
constexpr int kVerdictWidth = 600;

QLabel* Named(QLabel* l, const char* name) {
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

NAgrand1::NAgrand1(QWidget* parent) : StepForm(QStringLiteral("NAgrand1"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());
    Text5 = FocusSink;

    // ---- The tendon ----
    lblTendonHeader = Named(AddHeaderLabel(this, QStringLiteral("テンドンの選定"), kAreaLeft,
                                           kTendonHeaderTop, kAreaWidth, kHeaderHeight),
                            "lblTendonHeader");
    fraTendon = AddPanel(this, QString(), kAreaLeft, kTendonTop, kAreaWidth, kTendonHeight);
    fraTendon->setObjectName(QStringLiteral("fraTendon"));

    AddLabel(fraTendon, QStringLiteral("鋼材名"), kCaptionLeft, kTendonRow[0], kCaptionWidth,
             kRowHeight);
    AddLabel(fraTendon, QStringLiteral("規格名"), kCaptionLeft, kTendonRow[1], kCaptionWidth,
             kRowHeight);
    txtSteelName = AddEntryBox(fraTendon, QStringLiteral("txtSteelName"), kNameLeft, kTendonRow[0],
                               kNameWidth, kRowHeight);
    txtStandardName = AddEntryBox(fraTendon, QStringLiteral("txtStandardName"), kNameLeft,
                                  kTendonRow[1], kNameWidth, kRowHeight);
    // Typing in a name marks the design changed at once; what the step shows
    // of the record itself is filled with the change signal held back.
    const auto nameRule = [](std::string* field) {
        NameBox rule;
        rule.maxBytes = kTendonNameBytes;
        rule.message = kTendonNameMessage;
        rule.field = field;
        rule.refocusOnCut = true;
        rule.anyChangeRaisesDataChanged = true;
        return rule;
    };
    Entries()->AddName(txtSteelName, nameRule(&Design.TendonName));
    Entries()->AddName(txtStandardName, nameRule(&Design.TendonStandard));

    const struct {
        const char* caption;
        const char* symbol;
    } loadRows[2] = {{"引張荷重", "Tus ="}, {"降伏荷重", "Tys = "}};
    for (int i = 0; i < 2; ++i) {
        const int top = kTendonRow[2 + i];
        AddLabel(fraTendon, QString::fromUtf8(loadRows[i].caption), kCaptionLeft, top,
                 kCaptionWidth, kRowHeight);
        AddLabel(fraTendon, QString::fromUtf8(loadRows[i].symbol), kSymbolLeft, top, kSymbolWidth,
                 kRowHeight);
        AddLabel(fraTendon, QStringLiteral("(kN)"), kLoadUnitLeft, top, kUnitWidth, kRowHeight);
        AddLabel(fraTendon, QStringLiteral("必要値"), kNeedCaptionLeft, top,
                 kNeedLeft - kNeedCaptionLeft - 60, kRowHeight, Qt::AlignRight | Qt::AlignVCenter);
        AddLabel(fraTendon, QStringLiteral("(kN)"), kNeedUnitLeft, top, kUnitWidth, kRowHeight);
    }
    lblNeedTus = AddValueLabel(fraTendon, QStringLiteral("lblNeedTus"), kNeedLeft, kTendonRow[2],
                               kNeedWidth, kRowHeight);
    lblNeedTys = AddValueLabel(fraTendon, QStringLiteral("lblNeedTys"), kNeedLeft, kTendonRow[3],
                               kNeedWidth, kRowHeight);
    // Tus above Tys, as the keyboard order runs.
    const std::vector<NumEntry> loads = {
        PlaceEntry("NAgrand1", "txtTus", kLoadLeft, kTendonRow[2], kLoadWidth, kRowHeight),
        PlaceEntry("NAgrand1", "txtTys", kLoadLeft, kTendonRow[3], kLoadWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> loadBoxes = Entries()->AddNumbers(fraTendon, loads);
    txtTus = loadBoxes[0];
    txtTys = loadBoxes[1];
    // A yield load above the tensile load would judge the yield row on the
    // larger load: the entry table refuses such a pair in whichever box
    // makes it, against the other load as stored.
    // Return takes the load typed as leaving the box would, the box keeping
    // the focus.
    for (QLineEdit* box : {txtTus, txtTys})
        connect(box, &QLineEdit::returnPressed, this, [this] { Entries()->CommitPending(); });
    // A new load gives a new allowable; no calculation reads the loads.
    Entries()->Rule(txtTus)->onChanged = [this] { ShowAllowable(0); };
    Entries()->Rule(txtTys)->onChanged = [this] { ShowAllowable(1); };

    // ---- The anchor kind and the checked rows ----
    lblSelectHeader = Named(AddHeaderLabel(this, QStringLiteral("許容引張力の選択"), kAreaLeft,
                                           kSelectHeaderTop, kAreaWidth, kHeaderHeight),
                            "lblSelectHeader");
    fraSelect = AddPanel(this, QString(), kAreaLeft, kSelectTop, kAreaWidth, kSelectHeight);
    fraSelect->setObjectName(QStringLiteral("fraSelect"));
    kindOptions_ = new QButtonGroup(this);
    kindOptions_->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(QString::fromUtf8(kAnchorKindCaption[i]), fraSelect);
        opt->setObjectName(QStringLiteral("optAnchorSelect(%1)").arg(i));
        PlaceTwips(opt, kOptionLeft[i], kOptionTop, kOptionWidth[i], kRowHeight);
        kindOptions_->addButton(opt, i);
        optAnchorSelect[static_cast<std::size_t>(i)] = opt;
    }
    // The engineer's choice arrives as a click of the group, after the press
    // has taken the focus from the box being edited: a refused entry keeps
    // its box, and the kind in force stays.
    connect(kindOptions_, &QButtonGroup::idClicked, this, [this](int kind) {
        if (!Entries()->CommitPending(kindOptions_->button(kind))) {
            KeepKindInForce();
            return;
        }
        OptionClick(kind);
    });

    const char* const names[2][7] = {
        {"Label1", "lblAncTus", "Label17", "lblPtTus", "Label25", "・Tus = ", "(kN/本) ･･･"},
        {"Label2", "lblAncTys", "Label18", "lblPtTys", "Label26", "・Tys =", "(kN/本) ･･･"}};
    QLabel* made[2][5] = {};
    for (int i = 0; i < 2; ++i) {
        const int top = kCheckRow[i];
        made[i][0] = Named(AddLabel(fraSelect, QString(), kFactorLeft, top, kFactorWidth,
                                    kRowHeight, Qt::AlignRight | Qt::AlignVCenter),
                           names[i][0]);
        AddLabel(fraSelect, QString::fromUtf8(names[i][5]), kTimesLeft, top, kTimesWidth,
                 kRowHeight);
        made[i][1] = AddValueLabel(fraSelect, QString::fromLatin1(names[i][1]), kAllowLeft, top,
                                   kAllowWidth, kRowHeight);
        AddLabel(fraSelect, QStringLiteral("(kN)"), kAllowUnitLeft, top, kUnitWidth, kRowHeight);
        made[i][2] = Named(
            AddLabel(fraSelect, QString(), kSignLeft, top, kSignWidth, kRowHeight, Qt::AlignCenter),
            names[i][2]);
        AddLabel(fraSelect, QStringLiteral("Ｐt ="), kPtCaptionLeft, top, kPtCaptionWidth,
                 kRowHeight, Qt::AlignRight | Qt::AlignVCenter);
        made[i][3] = Named(AddLabel(fraSelect, QString(), kPtLeft, top, kPtWidth, kRowHeight,
                                    Qt::AlignRight | Qt::AlignVCenter),
                           names[i][3]);
        AddLabel(fraSelect, QString::fromUtf8(names[i][6]), kPtUnitLeft, top, kPtUnitWidth,
                 kRowHeight);
        made[i][4] =
            Named(AddLabel(fraSelect, QString(), kVerdictLeft, top, kVerdictWidth, kRowHeight),
                  names[i][4]);
    }
    Label1 = made[0][0];
    lblAncTus = made[0][1];
    Label17 = made[0][2];
    lblPtTus = made[0][3];
    Label25 = made[0][4];
    Label2 = made[1][0];
    lblAncTys = made[1][1];
    Label18 = made[1][2];
    lblPtTys = made[1][3];
    Label26 = made[1][4];
    for (QLabel* l : {Label1, Label2, Label17, Label18, lblPtTus, lblPtTys, Label25, Label26})
        l->setTextFormat(Qt::PlainText);

    // The keyboard order is the screen's: the names, Tus, Tys, the kind (one
    // stop; the arrow keys choose), the buttons and the sink. The sink is
    // moved on its own first: the toolkit takes a pair that is already in
    // order around the cycle as done.
    OneTabStop({optAnchorSelect[0], optAnchorSelect[1], optAnchorSelect[2]});
    QWidget::setTabOrder(optAnchorSelect[2], FocusSink);
    SetTabChainFromFirst({txtSteelName, txtStandardName, txtTus, txtTys, optAnchorSelect[0],
                          optAnchorSelect[1], optAnchorSelect[2], cmdBegin, cmdBack, cmdIndicate,
                          cmdNext, cmdResult, FocusSink});
    SetTabWrapTarget(txtSteelName);
}

NAgrand1::Row NAgrand1::RowOf(int i) const {
    if (i == 0)
        return {txtTus,   &Design.Tus, &Design.TusAllow, Label1,     lblAncTus,
                lblPtTus, Label17,     Label25,          lblNeedTus, &Design.TusCoef};
    return {txtTys,   &Design.Tys, &Design.TysAllow, Label2,     lblAncTys,
            lblPtTys, Label18,     Label26,          lblNeedTys, &Design.TysCoef};
}

void NAgrand1::OnActivate() {
    repaint();
    RunRockOnActivation();
    // The allowables as the results hold them, from the loads stored.
    CalcTendonAllowables();

    // The record as it stands is no edit of the engineer's: the names are
    // shown without their change signal, which would mark the design changed.
    for (auto [box, field] : {std::pair{txtSteelName, &Design.TendonName},
                              std::pair{txtStandardName, &Design.TendonStandard}}) {
        const QString stored = QStr(*field);
        if (box->text() == stored) continue;
        const QSignalBlocker quiet(box);
        box->setText(stored);
    }
    Entries()->ShowStored(txtTus);
    Entries()->ShowStored(txtTys);

    // The stored kind shows as chosen; choosing it so is no click of the
    // engineer's, but its factors and allowables are shown as a click would.
    const int kind = AnchorKindInUse(Design.AnchorKind);
    if (kind != kindShown_) {
        optAnchorSelect[static_cast<std::size_t>(kind)]->setChecked(true);
        ApplyKind(kind);
    }

    for (int i = 0; i < 2; ++i) {
        const Row r = RowOf(i);
        r.factor->setText(QStr((*r.factors)[static_cast<std::size_t>(kind)]));
        r.pt->setText(NumText(Design.Pt, 4, 1));
        r.allow->setText(NumText(*r.allowField, 4, 2));
        MarkRow(i);
        ShowRequired(i);
    }
}

void NAgrand1::OptionClick(int kind) {
    // The kind already chosen is chosen again: nothing changes.
    if (kind == Design.AnchorKind && kind == kindShown_) return;
    DataChanged = 1;
    ApplyKind(kind);
}

void NAgrand1::ApplyKind(int kind) {
    const auto k = static_cast<std::size_t>(kind);
    Label1->setText(QStr(Design.TusCoef[k]));
    Label2->setText(QStr(Design.TysCoef[k]));
    Design.AnchorKind = static_cast<std::int16_t>(kind);
    kindShown_ = kind;
    for (int i = 0; i < 2; ++i) {
        ShowAllowable(i);
        ShowRequired(i);
    }
}

void NAgrand1::KeepKindInForce() {
    if (kindShown_ >= 0) {
        optAnchorSelect[static_cast<std::size_t>(kindShown_)]->setChecked(true);
        return;
    }
    kindOptions_->setExclusive(false);
    for (QRadioButton* opt : optAnchorSelect) opt->setChecked(false);
    kindOptions_->setExclusive(true);
}

void NAgrand1::ShowAllowable(int i) {
    // From the stored load and factor: a load of more decimals than the box
    // shows is taken as stored.
    CalcTendonAllowables();
    const Row r = RowOf(i);
    r.allow->setText(QStr(*r.allowField));
    MarkRow(i);
}

void NAgrand1::MarkRow(int i) {
    const Row r = RowOf(i);
    const TendonMark m =
        JudgeTendon(*r.allowField, Design.Pt, StdStr(r.allow->text()), StdStr(r.pt->text()));
    r.sign->setText(QStr(m.sign));
    r.verdict->setText(QStr(m.verdict));
    SetLabelForeColor(r.verdict, m.out ? kRedText : kBlackText);
}

void NAgrand1::ShowRequired(int i) {
    const Row r = RowOf(i);
    r.need->setText(QStr(TendonRequired(StdStr(r.pt->text()), StdStr(r.factor->text()))));
}

}  // namespace talvo
