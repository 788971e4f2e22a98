#include "komut_tablosu.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "komutlar.h"
#include "surum.h"

namespace velzora::cli {
namespace {

using enum Secenek_Turu;

constexpr Secenek RANDOM[] = {
    {"rows", "R", "satır sayısı, 2 ile 50 arası", Zorunlu},
    {"cols", "C", "sütun sayısı, 2 ile 50 arası", Zorunlu},
    {"ratio", "X", "siyah kare oranı, 0 ile 1 arası (verilmezse 0.17)"},
    {"seed", "N", "rastgele kaynağın tohumu (verilmezse günün saati)"},
    {"out", "FILE", "yazılacak şablon dosyası", Zorunlu},
};

constexpr Secenek DICT[] = {
    {"dict", "FILE", "sözlük dosyası (Windows-1254, her satırda KELİME:soru)", Zorunlu},
    {"show", "", "her kaydı UTF-8 olarak da yazar"},
};

constexpr Secenek SHOW[] = {
    {"template", "FILE", "şablon dosyası (sab*.txt)", Biri},
    {"puzzle", "FILE", "bulmaca dosyası (.ipuz): ızgara, harfler ve sorular", Biri},
};

constexpr Secenek SOLVE[] = {
    {"template", "FILE", "şablon dosyası (sab*.txt)", Biri},
    {"grid", "FILE", "metin ızgara: # siyah kare, . boş hücre, başka karakter sabit harf", Biri},
    {"dict", "FILE", "sözlük dosyası", Zorunlu},
    {"seed", "N", "aday listelerini karıştıran tohum (verilmezse günün saati)"},
    {"repeat", "", "bir kelime birden çok yere yazılabilir"},
    {"time-limit", "SECONDS", "bu kadar saniye sonra aramayı durdurur"},
    {"max-tried", "N", "bu kadar aday denendikten sonra aramayı durdurur"},
    {"restarts", "", "akıllı arama: çözümü ya da çözümsüzlüğün kanıtını arar"},
    {"threads", "N", "akıllı aramanın iş parçacığı sayısı (varsayılan: tüm çekirdekler)"},
    {"dump-candidates", "", "her yerin karıştırılmış adaylarını da yazar"},
    {"json", "", "sonucu tek bir JSON nesnesi olarak yazar"},
    {"docx", "FILE", "bulmaca belgesini yazar: boş ızgara ve numaralı sorular"},
    {"pdf", "FILE", "bulmacayı belgenin sayfa düzeniyle PDF olarak yazar"},
    {"ipuz", "FILE", "bulmaca dosyasını (ipuz) yazar: ızgara, harfler, sıra ve sorular"},
    {"solution", "", "belgeye ve PDF'e dolu ızgaralı çözüm sayfasını ekler"},
};

constexpr Secenek SLOTS[] = {
    {"template", "FILE", "şablon dosyası (sab*.txt)", Biri},
    {"grid", "FILE", "metin ızgara (solve --grid gibi)", Biri},
};

constexpr Komut_Tanimi KOMUTLAR[] = {
    {"random", komut_random, "Rastgele siyah kareli yeni bir şablon yazar", RANDOM},
    {"dict", komut_dict, "Sözlüğü okur, kayıtları uzunluklarına göre sayar", DICT},
    {"show", komut_show, "Şablonu ya da bulmaca dosyasını metin olarak gösterir", SHOW},
    {"solve", komut_solve, "Bulmacayı sözlükten doldurur, soruları yazar", SOLVE},
    {"slots", komut_slots, "Kelime yerlerini ve kesişimlerini yazar", SLOTS},
};

constexpr std::string_view CIKIS_DURUMLARI =
    "Çıkış durumu: 0 tamam (solve: bulmaca doldu), 1 bulmaca dolmadı ya da durduruldu,\n"
    "2 hatalı seçenek ya da okunamayan girdi, 3 bir çıktı yazılamadı,\n"
    "4 bulmacanın çözümü olmadığı kanıtlandı.\n";

constexpr std::size_t SATIR_GENISLIGI = 80;

std::string secenek_metni(const Secenek& s) {
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on
    // chains of std::string operator+.
    std::string m("--");
    m.append(s.ad);
    if (!s.deger.empty())
        m.append(" ").append(s.deger);
    return m;
}

// "velzora-cli solve (--template FILE | --grid FILE) --dict FILE [--seed N]
// ...", wrapped under the first option.
void ozet_yaz(std::ostream& os, const Komut_Tanimi& k, std::string_view on_ek) {
    std::string satir(on_ek);
    satir.append("velzora-cli ").append(k.ad);
    const std::size_t girinti = satir.size() + 1;
    auto ekle = [&](const std::string& parca) {
        if (satir.size() + 1 + parca.size() > SATIR_GENISLIGI && satir.size() > girinti) {
            os << satir << "\n";
            satir.assign(girinti - 1, ' ');
        }
        satir.append(" ").append(parca);
    };
    for (std::size_t i = 0; i < k.secenekler.size(); ++i) {
        const Secenek& s = k.secenekler[i];
        if (s.tur == Biri) {
            std::string grup("(");
            grup.append(secenek_metni(s));
            while (i + 1 < k.secenekler.size() && k.secenekler[i + 1].tur == Biri)
                grup.append(" | ").append(secenek_metni(k.secenekler[++i]));
            ekle(grup.append(")"));
        } else if (s.tur == Zorunlu) {
            ekle(secenek_metni(s));
        } else {
            std::string parca("[");
            ekle(parca.append(secenek_metni(s)).append("]"));
        }
    }
    os << satir << "\n";
}

}  // namespace

const Komut_Tanimi* komut_bul(std::string_view ad) {
    for (const Komut_Tanimi& k : KOMUTLAR) {
        if (k.ad == ad)
            return &k;
    }
    return nullptr;
}

void kullanim_yaz(std::ostream& os) {
    os << "velzora-cli " << surum_metni() << ": Türkçe kare bulmaca, komut satırından\n"
       << "Kullanım:\n";
    for (const Komut_Tanimi& k : KOMUTLAR)
        ozet_yaz(os, k, "  ");
    os << "  velzora-cli KOMUT --help\n  velzora-cli --version\n" << CIKIS_DURUMLARI;
}

void komut_yardimi_yaz(std::ostream& os, const Komut_Tanimi& k) {
    os << "Kullanım:\n";
    ozet_yaz(os, k, "  ");
    os << k.aciklama << ".\nSeçenekler:\n";
    std::size_t genislik = 0;
    for (const Secenek& s : k.secenekler)
        genislik = std::max(genislik, secenek_metni(s).size());
    for (const Secenek& s : k.secenekler) {
        const std::string m = secenek_metni(s);
        os << "  " << m << std::string(genislik - m.size() + 2, ' ') << s.aciklama << "\n";
    }
    os << CIKIS_DURUMLARI;
}

}  // namespace velzora::cli
