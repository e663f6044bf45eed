#include "app/untProperties.h"

#include "source/EntryTexts.h"

#include <QDateTime>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The date and time of a time stamp in the lists' day-first form, in UTC as the lists' dates.
QString MomentText(std::int64_t utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC).toString(QStringLiteral("dd/MM/yyyy  HH:mm:ss 'UTC'"));
}

QString SizeLine(const std::string& path, const ItemStatus& status)
{
    if (status.kind == EntryKind::Folder) {
        DirectoryListing listing(path);
        DirectoryEntry entry;
        int count = 0;
        while (listing.Next(entry))
            ++count;
        return count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count);
    }
    const QString rounded = Text(SizeText(status.size));
    if (status.size < 1024)
        return rounded;
    return QStringLiteral("%1 (%2 bytes)").arg(rounded, QLocale::c().toString(static_cast<qulonglong>(status.size)));
}

// "rw-r--r-- (644)": owner, group and others, as a file manager shows them.
QString PermissionText(unsigned permissions)
{
    QString text;
    for (int shift = 6; shift >= 0; shift -= 3) {
        const unsigned bits = (permissions >> shift) & 7u;
        text += (bits & 4u) ? u'r' : u'-';
        text += (bits & 2u) ? u'w' : u'-';
        text += (bits & 1u) ? u'x' : u'-';
    }
    return text + QStringLiteral(" (%1)").arg(permissions, 3, 8, QChar(u'0'));
}

QLabel* Value(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* Rule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

} // namespace

TfrmProperties::TfrmProperties(const std::string& path, const ItemStatus& status, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfrmProperties"));
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
    setWindowTitle(Text(name) + QStringLiteral(" Properties"));

    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(path)));
    const QIcon fallback = style()->standardIcon(status.kind == EntryKind::Folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback)).pixmap(32, 32));
    auto* title = Value(Text(name), this);
    title->setObjectName(QStringLiteral("lblName"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(icon);
    header->addWidget(title, 1);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->setHorizontalSpacing(18);
    form->setVerticalSpacing(6);
    const auto add = [&](const QString& caption, const QString& text) { form->addRow(caption, Value(text, this)); };
    add(QStringLiteral("Type:"), QStringLiteral("%1 (%2)").arg(type.comment(), type.name()));
    add(QStringLiteral("Folder:"), Text(folder));
    add(status.kind == EntryKind::Folder ? QStringLiteral("Contains:") : QStringLiteral("Size:"), SizeLine(path, status));
    form->addRow(Rule(this));
    add(QStringLiteral("Created:"), MomentText(status.created));
    add(QStringLiteral("Modified:"), MomentText(status.modified));
    add(QStringLiteral("Accessed:"), MomentText(status.accessed));
    form->addRow(Rule(this));
    add(QStringLiteral("Permissions:"), PermissionText(status.permissions));
    add(QStringLiteral("Owner:"), Text(status.owner));
    add(QStringLiteral("Group:"), Text(status.group));

    auto* btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(header);
    layout->addWidget(Rule(this));
    layout->addLayout(form);
    layout->addSpacing(4);
    layout->addLayout(buttons);
}
