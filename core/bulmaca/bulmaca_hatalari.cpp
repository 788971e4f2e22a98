// The Turkish messages of the puzzle file's errors.
#include "bulmaca/bulmaca_dosyasi.h"

namespace velzora {

std::string_view bulmaca_hata_metni(Bulmaca_Hatasi hata) {
    switch (hata) {
        case Bulmaca_Hatasi::Yok:
            return {};
        case Bulmaca_Hatasi::Acilamadi:
            return "Bulmaca dosyası açılamadı.";
        case Bulmaca_Hatasi::Cok_Buyuk:
            return "Bulmaca dosyası bir bulmaca için fazla büyük.";
        case Bulmaca_Hatasi::Json_Degil:
            return "Bulmaca dosyası okunamadı: geçerli bir JSON metni değil.";
        case Bulmaca_Hatasi::Ipuz_Degil:
            return "Dosya bir ipuz çapraz bulmacası değil.";
        case Bulmaca_Hatasi::Ebat_Gecersiz:
            return "Bulmacanın satır ve sütun sayısı 2 ile 50 arasında olmalı.";
        case Bulmaca_Hatasi::Izgara_Bozuk:
            return "Bulmacanın ızgarası ebadına uymuyor ya da okunamayan hücreler içeriyor.";
        case Bulmaca_Hatasi::Cozum_Uyusmuyor:
            return "Bulmacanın çözümü ızgarasıyla uyuşmuyor.";
        case Bulmaca_Hatasi::Harf_Yazilamaz:
            return "Bulmacada tek bir harf olarak yazılamayan bir hücre değeri var.";
        case Bulmaca_Hatasi::Metin_Yazilamaz:
            return "Bir ipucunda Türkçe Windows karakter kümesinde olmayan bir karakter var.";
        case Bulmaca_Hatasi::Ipucu_Disarida:
            return "Bir ipucu ızgaranın dışındaki hücreleri gösteriyor.";
        case Bulmaca_Hatasi::Ipucu_Gecersiz:
            return "Bir ipucu ızgarada soldan sağa ya da yukarıdan aşağı bir kelime yeri "
                   "göstermiyor.";
        case Bulmaca_Hatasi::Uzanti_Bozuk:
            return "Bulmaca dosyasındaki programa özgü bilgiler bozuk.";
        case Bulmaca_Hatasi::Yazilamadi:
            return "Bulmaca dosyası yazılamadı.";
    }
    return {};
}

}  // namespace velzora
