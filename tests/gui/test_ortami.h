// What every window test needs: a settings store of its own in a temporary
// folder, a data folder with a small dictionary and template, and scripted
// answers in place of the dialogs.
#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "ana_form.h"
#include "etkilesim.h"

namespace velzora::test {

// Points the settings store of this process at a fresh folder.
class Gecici_Ayarlar {
  public:
    Gecici_Ayarlar() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dizin_.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dizin_.path());
    }
    QString dosya() const { return dizin_.path() + QStringLiteral("/Velzora/Velzora.ini"); }
    void yaz(const QString& anahtar, const QString& deger) const {
        QSettings s(dosya(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Settings/") + anahtar, deger);
    }
    QVariant oku(const QString& anahtar) const {
        return QSettings(dosya(), QSettings::IniFormat)
            .value(QStringLiteral("Settings/") + anahtar);
    }

  private:
    QTemporaryDir dizin_;
};

inline QString dosya_yaz(const QString& yol, const QByteArray& icerik) {
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(yol));
    f.write(icerik);
    return yol;
}

inline QByteArray dosya_icerigi(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A dictionary of three entries with Turkish letters, in Windows-1254.
inline constexpr char KUCUK_SOZLUK[] =
    "EV:Ya\xFE"
    "anan yer\r\nAT:Binek hayvan\xFD\r\n\xDE"
    "AL:Omuz \xF6rt\xFCs\xFC\r\n";
// 3 x 4 with black squares at (1, 4) and (3, 1).
inline constexpr char KUCUK_SABLON[] = "BULMACA SABLONU\r\n 3  4 \r\n 1  4 \r\n 3  1 \r\n";

// Scripted answers for the dialogs, and a record of what was asked. Running
// out of answers fails the test instead of looping for ever.
class Senaryolu_Etkilesim final : public Etkilesim {
  public:
    std::deque<QString> dosya_yanitlari;
    std::deque<std::optional<Ebat>> ebat_yanitlari;
    std::deque<bool> soru_yanitlari;
    std::deque<Kayit_Yaniti> kayit_yanitlari;

    std::vector<QString> mesajlar, sorular, soru_basliklari, kayit_sorulari;
    std::vector<Dosya_Istegi> dosya_istekleri;
    std::vector<Ebat> ebat_baslangiclari;

    // Run while a message or a question is up, before it is answered: what
    // the user sees at that moment can be checked there.
    std::function<void(const QString&)> mesaj_aninda, soru_aninda;

    void mesaj(QWidget*, const QString& metin) override {
        mesajlar.push_back(metin);
        if (mesaj_aninda)
            mesaj_aninda(metin);
    }

    bool soru(QWidget*, const QString& baslik, const QString& metin) override {
        sorular.push_back(metin);
        soru_basliklari.push_back(baslik);
        if (soru_aninda)
            soru_aninda(metin);
        return al(soru_yanitlari, "question");
    }
    Kayit_Yaniti kaydetsin_mi(QWidget*, const QString& metin) override {
        kayit_sorulari.push_back(metin);
        return al(kayit_yanitlari, "save question");
    }
    QString dosya_sor(QWidget*, const Dosya_Istegi& istek) override {
        dosya_istekleri.push_back(istek);
        return al(dosya_yanitlari, "file dialog");
    }
    std::optional<Ebat> ebat_sor(QWidget*, Ebat baslangic) override {
        ebat_baslangiclari.push_back(baslangic);
        return al(ebat_yanitlari, "size dialog");
    }

  private:
    template <typename T>
    static T al(std::deque<T>& yanitlar, const char* ne) {
        if (yanitlar.empty())
            qFatal("unexpected %s: no scripted answer left", ne);
        T yanit = std::move(yanitlar.front());
        yanitlar.pop_front();
        return yanit;
    }
};

// One main-window test's surroundings: a settings store of its own, a data
// folder with the small dictionary and template, scripted dialogs, and the
// window once the test makes it (it goes before the rest).
struct Pencere_Ortami {
    Gecici_Ayarlar ayarlar;
    QTemporaryDir veri_dizini;
    Senaryolu_Etkilesim etkilesim;
    std::unique_ptr<Ana_Form> ana;

    Pencere_Ortami() {
        dosya_yaz(veri("sozluk.txt"), KUCUK_SOZLUK);
        dosya_yaz(veri("sablon01.txt"), KUCUK_SABLON);
    }
    QString veri(const char* ad) const { return veri_dizini.filePath(QString::fromLatin1(ad)); }
    Ana_Form& ana_yap() {
        ana = std::make_unique<Ana_Form>(
            etkilesim, Dizinler{veri_dizini.path(), QString(), veri_dizini.path()});
        return *ana;
    }
    // The window started on this template and dictionary. During a run the
    // windows work at every hook call, so that what a test queues happens at
    // a known point of the run.
    Ana_Form& baslat(const QByteArray& sablon, const QByteArray& sozluk) {
        dosya_yaz(veri("sablon01.txt"), sablon);
        dosya_yaz(veri("sozluk.txt"), sozluk);
        if (ana_yap().MDIForm_Load() != Baslangic_Sonucu::Devam)
            qFatal("start-up failed");
        ana->calisma().olay_araligi_ata(std::chrono::microseconds{0});
        return *ana;
    }
};

}  // namespace velzora::test
