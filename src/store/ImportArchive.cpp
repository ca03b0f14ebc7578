#include "store/ImportArchive.h"

#include "store/MessageText.h"
#include "store/SystemReason.h"

#include <zip.h>

#include <unistd.h>

namespace {

QString zipReason(zip_error_t *error)
{
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOZIP:
        return QStringLiteral("zip ファイルではありません");
    case ZIP_ER_CRC:
        return QStringLiteral("中身が壊れています（チェックサムが合いません）");
    case ZIP_ER_INCONS:
    case ZIP_ER_COMPRESSED_DATA:
    case ZIP_ER_ZLIB:
        return QStringLiteral("zip ファイルが壊れています");
    case ZIP_ER_EOF:
        return QStringLiteral("zip ファイルが途中で終わっています");
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
        return QStringLiteral("パスワードで守られています");
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("この圧縮方式には対応していません");
    case ZIP_ER_MULTIDISK:
        return QStringLiteral("複数に分けられた zip には対応していません");
    case ZIP_ER_MEMORY:
        return QStringLiteral("メモリが足りません");
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_OPEN:
        return systemReason(zip_error_code_system(error));
    default:
        return messageText(QString::fromUtf8(zip_error_strerror(error)));
    }
}

QString zipReason(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    QString reason = zipReason(&error);
    zip_error_fini(&error);
    return reason;
}

// One entry read in pieces. libzip checks the entry's checksum when its last byte has been read
// and fails that read when it does not match.
class ZipEntryDevice : public QIODevice
{
public:
    ZipEntryDevice(zip_file_t *file, QString name, const QString &error = QString()) : m_file(file), m_name(std::move(name))
    {
        open(QIODevice::ReadOnly);
        if (!error.isEmpty())
            setErrorString(error);
    }
    ~ZipEntryDevice() override
    {
        if (m_file)
            zip_fclose(m_file);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (!m_file)
            return -1;
        const zip_int64_t n = zip_fread(m_file, data, zip_uint64_t(maxSize));
        if (n < 0) {
            setErrorString(QStringLiteral("「%1」を読めません（%2）").arg(messageText(m_name), zipReason(zip_file_get_error(m_file))));
            return -1;
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_file_t *m_file;
    QString m_name;
};

} // namespace

bool looksLikeZip(QByteArrayView head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

std::unique_ptr<ImportArchive> ImportArchive::fromDescriptor(int descriptor, QString *error)
{
    // libzip takes over the descriptor it is given and closes it; the handle keeps its own.
    const int own = ::dup(descriptor);
    if (own < 0) {
        *error = systemReason(errno);
        return nullptr;
    }
    ::lseek(own, 0, SEEK_SET);
    int code = 0;
    zip_t *archive = zip_fdopen(own, ZIP_CHECKCONS, &code);
    if (!archive) {
        ::close(own);
        *error = zipReason(code);
        return nullptr;
    }
    return std::unique_ptr<ImportArchive>(new ImportArchive(archive));
}

std::unique_ptr<ImportArchive> ImportArchive::fromBytes(QByteArrayView bytes, QString *error)
{
    zip_error_t zerror;
    zip_error_init(&zerror);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), zip_uint64_t(bytes.size()), 0, &zerror);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zerror) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        *error = zipReason(&zerror);
        zip_error_fini(&zerror);
        return nullptr;
    }
    zip_error_fini(&zerror);
    return std::unique_ptr<ImportArchive>(new ImportArchive(archive));
}

ImportArchive::~ImportArchive()
{
    zip_discard(m_zip);
}

qint64 ImportArchive::entryCount() const
{
    return zip_get_num_entries(m_zip, 0);
}

QString ImportArchive::entryName(qint64 index) const
{
    const char *name = zip_get_name(m_zip, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
    return name ? QString::fromUtf8(name) : QString();
}

qint64 ImportArchive::entrySize(qint64 index) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return -1;
    return qint64(st.size);
}

bool ImportArchive::isFolder(qint64 index) const
{
    return entryName(index).endsWith(u'/');
}

QByteArray ImportArchive::read(qint64 index, qint64 maxBytes, bool *complete, QString *error) const
{
    *complete = false;
    const QString name = entryName(index);
    zip_file_t *file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file) {
        *error = QStringLiteral("「%1」を読めません（%2）").arg(messageText(name), zipReason(zip_get_error(m_zip)));
        return {};
    }
    ZipEntryDevice device(file, name);
    // Never more than asked for, whatever size the archive states: one byte past it tells that
    // the entry goes on.
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const qint64 want = std::min<qint64>(sizeof buffer, maxBytes + 1 - bytes.size());
        const qint64 n = device.read(buffer, want);
        if (n < 0) {
            *error = device.errorString();
            return {};
        }
        if (n == 0) {
            *complete = true;
            return bytes;
        }
        bytes.append(buffer, n);
    }
    bytes.truncate(maxBytes);
    return bytes;
}

std::unique_ptr<QIODevice> ImportArchive::stream(qint64 index) const
{
    zip_file_t *file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file) {
        return std::make_unique<ZipEntryDevice>(
            nullptr, entryName(index), QStringLiteral("「%1」を読めません（%2）").arg(messageText(entryName(index)), zipReason(zip_get_error(m_zip))));
    }
    return std::make_unique<ZipEntryDevice>(file, entryName(index));
}
