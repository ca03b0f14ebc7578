#include "store/SystemReason.h"

#include <cerrno>
#include <cstring>

namespace {

struct Reason {
    int errnum;
    const char16_t *text;
};

constexpr Reason kReasons[] = {
    {ENOENT, u"ファイルまたはフォルダがありません"},
    {EACCES, u"アクセスが許可されていません"},
    {EPERM, u"この操作は許可されていません"},
    {ENOSPC, u"ディスクの空きがありません"},
    {EDQUOT, u"ディスクの使用量が上限に達しています"},
    {EROFS, u"読み取り専用の場所です"},
    {EIO, u"読み書きの途中で装置のエラーが起きました"},
    {EISDIR, u"ファイルではなくフォルダです"},
    {ENOTDIR, u"パスの途中にフォルダでないものがあります"},
    {ENAMETOOLONG, u"名前が長すぎます"},
    {ELOOP, u"シンボリックリンクがたどれません"},
    {EMFILE, u"開いているファイルが多すぎます"},
    {ENFILE, u"開いているファイルが多すぎます"},
    {ENOMEM, u"メモリが足りません"},
    {EFBIG, u"ファイルが大きすぎます"},
    {EBUSY, u"ほかのプログラムが使用中です"},
    {ETXTBSY, u"ほかのプログラムが使用中です"},
    {EEXIST, u"同じ名前のものがすでにあります"},
    {ENXIO, u"装置が見つかりません"},
    {ENODEV, u"装置が見つかりません"},
    {EAGAIN, u"一時的に使えません"},
    {ESTALE, u"ネットワーク上のファイルが見えなくなりました"},
    {EXDEV, u"別のドライブをまたいで移動できません"},
};

} // namespace

QString systemReason(int errnum)
{
    for (const Reason &r : kReasons) {
        if (r.errnum == errnum)
            return QString::fromUtf16(r.text);
    }
    return QString::fromLocal8Bit(std::strerror(errnum)).trimmed();
}

QString systemReason(const QString &qtReason)
{
    // Qt words four errnos itself and takes the C library's text for the others.
    static constexpr struct {
        int errnum;
        const char *text;
    } kQtWording[] = {{EACCES, "Permission denied"},
                      {EMFILE, "Too many open files"},
                      {ENOENT, "No such file or directory"},
                      {ENOSPC, "No space left on device"}};
    for (const auto &q : kQtWording) {
        if (qtReason == QLatin1String(q.text))
            return systemReason(q.errnum);
    }
    for (const Reason &r : kReasons) {
        if (qtReason == QString::fromLocal8Bit(std::strerror(r.errnum)).trimmed())
            return QString::fromUtf16(r.text);
    }
    // QSaveFile's own refusals, before it touches the file system.
    if (qtReason.startsWith(QLatin1String("Existing file ")) && qtReason.endsWith(QLatin1String(" is not writable")))
        return systemReason(EACCES);
    if (qtReason == QLatin1String("Filename refers to a directory"))
        return systemReason(EISDIR);
    return qtReason;
}
