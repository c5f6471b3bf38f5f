// The world of Varnhold: one object of class S_L holds every table of the simulation
// (objects, people, owners, catalogues, groups, towers, gates, the map grid, the mesh registry)
// as fixed-size arrays. The records and constants live here; the definitions are split over
// one .cpp per concern (world.cpp, catalogues.cpp, construction.cpp, ...).
#pragma once

#include <cstdlib>
#include <iosfwd>
#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace Strategy_library {

// A growable array for mesh data. It has no constructor and no destructor on purpose: the mesh
// registry holds 960 035 of them, and a trivial type keeps `strategy` in zero-filled static
// storage without a start-up loop or an exit loop over the whole table.
template <class T>
struct S_rastuce_pole {
    T* data_;
    int size_;
    int capacity_;

    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](int i) { return data_[i]; }
    const T& operator[](int i) const { return data_[i]; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }
    void push_back(const T& v) {
        if (size_ == capacity_) {
            int nova = capacity_ < 16 ? 16 : capacity_ * 2;
            T* d = static_cast<T*>(std::realloc(static_cast<void*>(data_), sizeof(T) * nova));
            if (!d) std::abort();
            data_ = d;
            capacity_ = nova;
        }
        data_[size_++] = v;
    }
    // Releases the storage; the array is empty afterwards.
    void uvolni() {
        std::free(static_cast<void*>(data_));
        data_ = nullptr;
        size_ = capacity_ = 0;
    }
    std::vector<T> kopia() const { return std::vector<T>(data_, data_ + size_); }
};

// ---------------------------------------------------------------- map and objects

struct S_points {
    int id_sekundarne;
    int id_objektu;
    int typ_podkladu;
    int zona;
};

struct S_objekt {
    int co_to_je;
    int id;
    int vlastnik;
    float rot;
    int je_ludi;
    int level;
    int percenta;
    bool closed;
    int zona;
    int skladuje[100];
};

// ---------------------------------------------------------------- owners

struct S_skupina {
    int x, y;
};

struct S_surovina {
    int mam;
    int pridane_skladovacie_miesto;
    int vyprodukovane;
    int pouzite;
    int bilancia;
    int naZaciatkuMesiaca;
};

struct S_veza {
    int x, y;
    int level;
    int pocet;
    int object;
    bool bol_utok;
    int vojak[61];
    int vojak_last_id;
    int dead;
    int action_timer;
};

struct S_brana {
    int x, y;
    int objekt_id;
    int budova_id;
    int zona_1, zona_2;
};

struct S_hlavne_budovy_id {
    int x, y;
};

struct S_obsadene {
    int x, y;
};

struct S_owner {
    // Buildings of one type the owner has (`mam`) and has under construction (`staviam`).
    struct S_budova {
        int mam;
        int staviam;
    };

    int clovek_bez_domova_list[40001];
    int clovek_bez_prace_list[40001];
    int muzodober_bez_muza_list[40001];
    S_skupina vojenska_skupina[11];
    int skupina[11];
    int skupina_last_id;
    int vojak_bez_zbrane[40001];
    int vojak_bez_skupiny[40001];
    int pocet_skupin;
    int vojak_bez_skupiny_last_id, vojak_bez_zbrane_last_id, bez_zeny_last_id, bez_domova_last_id,
        bez_prace_last_id;
    int stavbari;
    int hladuje_muz, hladuje_zena;
    int zomrelo_muz, zomrelo_zena, zomrelo_hladom, zomrelo_na_chorobu;
    int trpi_chorobou[101];
    int trpi_chorobou_celkom;
    S_surovina surovina[100];
    S_budova budova[50];
    S_veza veza[40001];
    int veza_last_id, veza_volne_miesta;
    S_brana brana[40001];
    int brana_last_id;
    int limit_skladu;
    int pocet_ludi, pocet_zien, pocet_muzov, pocet_deti, pocet_chlapcov, pocet_dievcat, pocet_smrti;
    int pocet_vojakov, pocet_bez_zbrani, pocet_lukostrelcov, pocet_sermiarov, pocet_kopijnikov;
    S_hlavne_budovy_id hlavna_budova[1];
    int hlavna_budova_last_id;
    S_obsadene obsadene_min, obsadene_max;
    int privilegia_id;
};

// ---------------------------------------------------------------- people

struct S_ma_chorobu {
    bool ma;
};

struct S_clovek {
    float x, y;
    int objekt_v_ktorom_byva;
    int objekt_v_ktorom_pracuje;
    int veza;
    float formation_x, formation_y;
    int id_matky, id_otca, id_partnera;
    int attacked;
    float heading;
    int id_deti[4];
    int pocet_deti;
    int vek;
    int peniaze;
    int pohlavie;
    int vlastnik;
    int zdravie;
    bool vojak;
    int zbran;
    int brnenie;
    int skupina;
    int action_timer;
    bool mal_pristup_k_surovine[101];
    bool mrzol;
    bool teple_oblecenie;
    S_ma_chorobu choroba[101];
    int choroby_pocet;
};

// ---------------------------------------------------------------- catalogues

struct S_pocet {
    int pocet;
};

struct S_level {
    S_pocet treba_na_postavenie[100];
    S_pocet produkuje[100];
    S_pocet potrebuje[100];
    S_pocet pridane_skladovacie_miesto[100];
    int percento;
    int vojde_sa_ludi;
    int graficky_objekt;
    int odolnost;
};

struct S_budova {
    int maximalny_level;
    int x_lava, x_prava, y_dole, y_hore;
    const char* meno;
    bool zamestnava;
    bool obranna_budova;
    bool produkuje;
    bool poskytuje;
    bool produkuje_v_mesiaci[14];
    bool zoning;
    bool zoning_side[4];
    bool passing[4];
    bool closeable;
    S_level level[6];
};

struct S_surovina_global {
    const char* meno;
    bool jedlo;
    bool tekutina;
    bool maso;
    bool ovocie;
    int vizivova_hodnota;
    bool trvanliva;
    bool cumulating;
};

struct S_vojenske_stroje {
    bool utocne;
    bool obranne;
    bool obsadenie_budovy;
    int sila;
    int obrana;
    int obsluha;
    bool range_attack;
    int range_of_attack;
    int gb;
};

// ---------------------------------------------------------------- war

struct S_vojenska_skupina {
    int zoznam_vojakov[101];
    int zoznam_vojakov_last_id;
    int vlastnik;
    int x, y;
    int objekt_id;
    int go_to_x, go_to_y;
    int utoci_na_objekt;
    int utoci_na_x, utoci_na_y;
    int final_x, final_y;
    int zbran;
    int zbroj;
    float xf, yf;
    float rot;
    int vojensky_stroj;
    bool range_attack;
    int range_of_attack;
    bool personal_fights;
    int dead;
    bool moved;
    const char* nazov;
    bool dead_status;
    int max;
    int action_timer;
};

// The names a group row carries (`nazov` points at one of them), by weapon or war machine.
inline constexpr const char* MENA_SKUPIN[] = {"lukostrelci",      "kopijnici", "sermiari",
                                              "vojenska skupina", "baranidlo", "vojensky stroj"};

struct S_utok {
    int pocet;
    bool posledny_uspesny;
    bool palisady;
    bool veze;
    bool brany;
    bool sermiari;
    bool lukostrelci;
    bool kopijnici;
    int rok;
};

// What the last battle came to, for its notice: who won (id_player or id_nepriatel; id_nikto when
// there is nothing to tell), whether the stall rule or the time limit ended it, and what the
// victor carried off, per resource.
struct S_vysledok_bitky {
    int vitaz;
    bool uviazla;
    int ulupene[26];
};

// What a month end found in the player's town, for its notices until the next month end. `rok` 0:
// no month has ended yet in this game. Counts of people, places and buildings as they stood then;
// days of water and food at the month's net use (-1 when the stock did not fall); the settlers'
// arrival rule as it judged the stores then (a PRICHOD_* verdict with what it asks).
struct S_sprava_mesiaca {
    int mesiac, rok;
    int zomreli[6];   // deaths of the month by cause, SMRT_*
    int smrti_spolu;  // the owner's deaths counted up to this report
    int hladovali;    // went hungry or thirsty at this month end
    int chori[8];     // [d]: with disease d (1 … 7); [0]: with any
    int dni_vody, dni_jedla;
    int skazilo_vody, skazilo_jedla;  // what spoiled at this month end (food in its own units)
    int bez_domova, volne_v_domoch;
    int bez_prace, volne_prace;
    int osadnici;  // settlers who came at this month end
    int prichod, prichod_treba, prichod_jedlo, prichod_voda;
    int stavby, cakaju_stavby, stavbari;  // under construction, of them waiting, builders
};

// The settlers' arrival rule as it would judge the stores now: the free places in houses, what
// food (bread, meat, fish) and water must each exceed (62 a place), what the stores hold, and the
// verdict (PRICHOD_*).
struct S_prichod {
    long long volne, treba, jedlo, voda;
    int verdikt;
};

// ---------------------------------------------------------------- calendar, diseases, ranks

struct S_time {
    int den;
    int mesiac;
    int rok;
};

struct S_mesiac {
    const char* meno;
    int pocet_dni;
};

struct S_podklad_mesiac {
    int graficky_objekt;
};

struct S_podklad {
    S_podklad_mesiac mesiac[13];
};

struct S_sposobena {
    bool malo_jedla;
    bool malo_masa;
    bool malo_vody;
    bool malo_ovocia;
    bool zima;
    bool spina;
    bool mrtvoly;
};

struct S_choroba {
    S_sposobena sposobena;
    int berie_zdravie;
    bool nakazliva;
};

struct S_privilegia {
    const char* nazov;
    bool moze_stavat[2702][7];
};

struct S_AI {
    int stavia_sa[2701];
    int volne[2701];
};

struct S_information_back {
    int cilso_informacie;
    const char* meno_objektu;
};

struct S_vizual_pointers {
    int graficky_objekt;
};

struct S_vojna {
    int graficky_objekt;
};

// One loaded mesh: three corners per triangle, one colour per corner, and the bounding box over
// every position of its file. The buffer names are the GPU buffers the client uploaded it to.
struct S_graficky_objekt {
    S_rastuce_pole<glm::vec3> out_vertices;
    S_rastuce_pole<glm::vec2> out_uvs;
    S_rastuce_pole<glm::vec3> out_normals;
    S_rastuce_pole<glm::vec3> out_colors;
    float min_x, min_y, min_z;
    float max_x, max_y, max_z;
    unsigned int vertexbuffer;
    unsigned int colorbuffer;
};

// A map cell (x, y); (-1, -1) for none.
struct S_bod {
    int x, y;
};

// Reads one OBJ/MTL mesh into a record (the client's loader). `folder` ends with a slash and is
// put before the MTL name; `path` is the OBJ file. Returns false when the file did not load.
using Nacitaj_mesh_hook = bool (*)(const char* folder, const char* path, S_graficky_objekt& ciel);

class S_L {
public:
    // ------------------------------------------------------------ owners, sizes and limits
    static constexpr int id_nikto = 0;
    static constexpr int id_player = 1;
    static constexpr int id_nepriatel = 2;
    static constexpr int MAX_PLAYERS = 3;
    static constexpr int A = 200, B = 200;
    static constexpr int X_KONIEC = 199, Y_KONIEC = 199;
    static constexpr int okruh_stavania_od_hlavnej_budovy = 30;
    static constexpr int MAX_OBJECTS = 40001;
    static constexpr int MAX_SUROVIN = 100;
    static constexpr int MAX_BUILDINGS = 2701;
    static constexpr int MAX_CLOVEK = 40001;
    static constexpr int MAX_BUILDINGS_REAL = 50;
    static constexpr int MAX_CHOROBA = 100;
    static constexpr int MAX_LEVEL = 6;
    static constexpr int MAX_DETI_NA_RODICA = 4;
    static constexpr int MAX_ROZDELENIE_ZBROJI = 10;
    static constexpr int MAX_VOJACI_V_SKUPINE = 100;
    static constexpr int MAX_VOJACI_VO_VEZI_NA_LEVEL = 10;
    static constexpr int MAX_SKUPIN_NA_VLASTNIKA = 10;
    static constexpr int MAX_V_KASARNI_NA_LEVEL = 10;
    static constexpr int MAX_ON_PAGE = 10;
    static constexpr int MAX_HLAVNA_BUDOVA_NA_HRACA = 1;
    static constexpr int MAX_VOJENSKA_SKUPINA = 31;
    static constexpr int MAX_INFORMATION = 200;
    static constexpr int MAX_GRAFICKYCH_OBJEKTOV = 960035;
    static constexpr int M = 40001;
    static constexpr int nic = -1;
    static constexpr int sekundarne_id_hlavne = -3;
    static constexpr bool infinite_sources_FORCED = false;

    // ------------------------------------------------------------ object kinds
    static constexpr int id_surovina = 1;
    static constexpr int id_budova = 2;
    static constexpr int id_vojensky_objekt = 3;
    static constexpr int id_nespracovana_surovina = 3;
    static constexpr int Nesprac_Surov_strom = 1, Nesprac_Surov_skala = 2, Nesprac_Surov_hlina = 3,
                         Nesprac_Surov_zelezo = 4, Nesprac_Surov_ryba = 5, Nesprac_Surov_zver = 6,
                         last_Nesprac_Surov_id = 7;

    // ------------------------------------------------------------ building types
    static constexpr int zberac_dreva = 1, zberac_kamena = 2, zberac_hliny = 3, zberac_rudy = 4,
                         dom = 5, kamenarstvo = 6, tehliaren = 7, farma = 8, studna = 9, mlyn = 10,
                         pekaren = 11, sklad = 12, lovec = 13, rybar = 14, drevenna_veza = 15,
                         kamenna_veza = 16, kovac_mece = 17, kovac_kopije = 18,
                         kovac_lahke_brnenie = 19, zbrojar_luk = 20, hlavna_budova = 21,
                         krajcir_kozenne_brnenie = 22, kasaren = 23, sypka = 24,
                         drevena_palisada = 25, drevena_brana = 26, cintorin = 27, kosiar = 28,
                         kozusinar = 29, kovac_tazke_brnenie = 30, jablkovy_sad = 31, koziar = 32,
                         vyrobca_mramoru = 33, tehliarens = 34, last_building_integer = 35;

    // ------------------------------------------------------------ resources
    static constexpr int drevo = 1, lomovy_kamen = 2, hlina = 3, zelezo = 4, kamen = 5, tehla = 6,
                         mramor = 7, stresna_kritina = 8, obilie = 9, muka = 10, voda = 11,
                         chlieb = 12, maso = 13, ryba = 14, mec = 15, luk = 16, kopija = 17,
                         lahke_brnenie = 18, tazke_brnenie = 19, kozenne_brnenie = 20, koza = 21,
                         mrtvola = 22, vlna = 23, teple_oblecenie = 24, jablko = 25,
                         last_surovina_id = 26;

    // ------------------------------------------------------------ other constant groups
    static constexpr int Z_sever = 0, Z_zapad = 1, Z_juh = 2, Z_vychod = 3;
    static constexpr int out_zona = 0, vychod = 1, zapad = 2, sever = 3, juh = 4;
    static constexpr int doprava = 1, dolava = 2, dopredu = 3, dozadu = 4;
    static constexpr int P_trava = 0, podklad_last_id = 1;
    static constexpr int M_zakazany = 0, M_januar = 1, M_februar = 2, M_marec = 3, M_april = 4,
                         M_maj = 5, M_jun = 6, M_jul = 7, M_august = 8, M_september = 9,
                         M_oktober = 10, M_november = 11, M_december = 12, mesiac_last_id = 13;
    static constexpr int CH_malo_jedla = 1, CH_malo_masa = 2, CH_malo_vody = 3, CH_malo_ovocia = 4,
                         CH_zima = 5, CH_spina = 6, CH_mrtvoly = 7, choroba_last_id = 8;
    static constexpr int muz = 1, zena = 2;
    static constexpr int CLOVEK_VEK_DIE = 60, CLOVEK_VEK_DIE_DEF = 80,
                         CLOVEK_REPRODUKCIA_ZACIATOK = 18, CLOVEK_REPRODUKCIA_KONIEC = 50;
    static constexpr int PRIV_ziadne = 0, PRIV_male_mesto = 1, PRIV_mesto = 2, PRIV_velke_mesto = 3,
                         PRIV_kralovske_mesto = 4, PRIV_last_id = 5;
    static constexpr int PRIV_male_mesto_POZ_ludia = 100, PRIV_mesto_POZ_ludia = 200,
                         PRIV_velke_mesto_POZ_ludia = 300, PRIV_kralovske_mesto_POZ_ludia = 400;
    static constexpr int v_sermiar = 0, v_lukostrelec = 1, v_kopijnik = 2, v_bez_zbrane = 3,
                         v_last_id = 4;
    static constexpr int VS_baranidlo = 0, vojenske_stroje_last_id = 1;
    static constexpr int R_NIC = 80, R_LAHKA_ZBROJ = 70, R_STREDNA_ZBROJ = 60, R_TAZKA_ZBROJ = 50,
                         R_BARANIDLO = 20;
    static constexpr int AT_DEFAULT = 0, AT_MEC = 5, AT_KOPIJA = 5, AT_LUK = 10, AT_BARANIDLO = 10,
                         AT_MAX = 20;
    static constexpr int RA_baranidlo = 1, RA_luk = 2, RA_veza = 2;
    // Battle time: a battle step every 50 ms. A battle in which nobody was wounded, nothing was
    // damaged and no group got closer to its goal for 10 s is decided by where the armies stand,
    // and so is any battle that reaches 3 minutes.
    static constexpr int KROKOV_BITKY_ZA_SEKUNDU = 20;
    static constexpr int BITKA_BEZ_POKROKU_MAX = 10 * KROKOV_BITKY_ZA_SEKUNDU;
    static constexpr int BITKA_KROKOV_MAX = 180 * KROKOV_BITKY_ZA_SEKUNDU;
    static constexpr int SILA_NIC = 0, SILA_LUK = 25, SILA_KOPIJA = 30, SILA_MEC = 35;
    static constexpr int ODOLNOST_ZIADNA_ZBROJ = 0, ODOLNOST_LAHKA_ZBROJ = 10,
                         ODOLNOST_STREDNA_ZBROJ = 20, ODOLNOST_TAZKA_ZBROJ = 30,
                         ODOLNOST_BRANA = 80, ODOLNOST_PALISADA = 90, ODOLNOST_BUDOVA = 100,
                         ODOLNOST_ZELEZNA_BRANA = 110, ODOLNOST_KAMENNA_HRADBA = 120;
    static constexpr int VIP_moja_vojenska_skupina = 0, VIP_moja_vojenska_skupina_aktivna = 1,
                         VIP_moja_vojenska_skupina_oznacena = 2,
                         VIP_cudzia_vojenska_skupina_aktivna = 3, VIP_moja_veza = 4,
                         VIP_moja_veza_ma_vojakov = 5, VIP_cudzia_veza_striela = 6,
                         VIP_moja_veza_striela = 7, VIP_brana_zatvorena = 8, VIP_brana_otvorena = 9,
                         VIP_last_id = 10;
    static constexpr int E_neda_sa_tam_stavat = 1, E_malo_surovin_na_stavbu = 2,
                         E_nie_su_volne_objekty = 3, E_zle_zadana_budova_na_stavanie = 4;
    // A reason `dovod_odmietnutia` gives for a rank too low; `postav` prints it and stores no code.
    static constexpr int E_nema_privilegia = 5;
    // Causes of death counted for the month report: want of food, of water, cold, another
    // disease, old age, battle.
    static constexpr int SMRT_hlad = 0, SMRT_smad = 1, SMRT_zima = 2, SMRT_choroba = 3,
                         SMRT_vek = 4, SMRT_boj = 5, SMRT_last_id = 6;
    // Verdicts of the settlers' arrival rule: they come, no free place in a house, too little
    // food, too little water in the stores.
    static constexpr int PRICHOD_pridu = 0, PRICHOD_ziadny_dom = 1, PRICHOD_malo_jedla = 2,
                         PRICHOD_malo_vody = 3;
    static constexpr int I_sklady_su_plne = 1, I_nema_dost_surovin = 2, I_nie_je_dost_ludi = 3,
                         I_nema_pristup_k_hlavnej_budove = 4;

    // ------------------------------------------------------------ members, in declaration order
    bool infinite_sources;
    int last_player_id;
    int owner;
    bool SYNCH_ZONING_CHANGE, SYNCH_DEAD, SYNCH_END_OF_GAME;
    S_vizual_pointers visual_pointer[10];
    bool time_slow;
    int base_list[40011];
    bool time_stop;
    bool je_vojna;
    S_points point[200][200];
    int zona_last;
    S_time time;
    bool bol_utok;
    S_podklad podklad[1];
    S_mesiac mesiac[13];
    bool mesiac_passed, rok_passed;
    S_choroba choroba[101];
    S_objekt objekt[40001];
    int volne_objekty[40001];
    int id_posledny_volny_objekt;
    S_utok utok;
    S_vojna vojna[5];
    S_vojenske_stroje vojenske_stroje[2];
    S_vojenska_skupina vojenska_skupina[32];
    int vojenska_skupina_last_id;
    S_budova budova[51];
    S_clovek clovek[40001];
    int clovek_volne_id[40001];
    int clovek_posledne_volne_id;
    S_owner id_owner[3];
    S_surovina_global surovina[100];
    S_privilegia privilegia[5];
    int KASAREN_ID;
    S_AI AI[3];
    int last_error_active;
    S_information_back information_list[200];
    int informacie_last_integer;
    int given_information;
    S_graficky_objekt graficky_objekt[960035];
    int last_graficky_objekt;
    int graficky_objekt_holder;
    int typ_budovy;
    int x, y;
    float rot;
    int find_way_point[201][201];
    int find_way_list[40001][2];
    int find_way_list_id, find_way_list_id_f;
    int watch[40001][2];
    int watch_last;
    bool player_has_ground_army;
    int AI_brana_x, AI_brana_y, AI_hlavny_ciel_x, AI_hlavny_ciel_y;
    bool AI_neni_brana;
    int vojenska_skupina_vytvor_pocet;
    int vrat_cislo_vojaka_bez_skupiny_Last_Page, vrat_cislo_vojaka_bez_skupiny_page,
        vrat_cislo_vojaka_bez_skupiny_id, vrat_cislo_vojaka_bez_skupiny_last_id,
        vrat_cislo_vojaka_bez_skupiny[10];

    // ------------------------------------------------------------ bookkeeping of this
    // implementation One past the highest object id handed out since the last full reset. Ids are
    // handed out ascending and reused from the top of the pool, so every live object lies below it
    // and a walk bounded by it visits the same objects, in the same order, as a walk over all 40
    // 001 slots.
    int objekt_hwm;
    // The same high-water mark for person ids.
    int clovek_hwm;
    // State of the whole-number generator behind `random` (0 … 32767); fixed start, never seeded.
    unsigned int rand_stav;
    // How meshes are read; installed by the client. Without it every mesh load fails (-1 links).
    Nacitaj_mesh_hook nacitaj_mesh;
    // Per group: the ids (id_objektu, id_sekundarne) of the building footprint cell its map object
    // covers on its anchor tile (a recruitment point inside the barracks); -1, -1 for none.
    int skupina_bunka_budovy[MAX_VOJENSKA_SKUPINA + 1][2];
    // The war's path cache: one answer of `find_path` (found, and the first waypoint) per start
    // tile and goal tile, valid while the map version `verzia_mapy` is the one it was found on.
    // Direct-mapped by a hash of the two tiles; a map reset raises the version too.
    struct S_cesta_v_pamati {
        bool platna;
        unsigned kluc;
        int verzia;
        bool najdena;
        int wx, wy;
    };
    S_cesta_v_pamati cesty_v_pamati[256];
    // Battle steps since the current battle began (after it, how long the last one lasted).
    int bitka_krokov;
    // Battle steps in a row without progress: nobody wounded, no building damaged, no walking
    // group closer to where it walks.
    int bitka_bez_pokroku;
    // The last battle's outcome, for its notice; forgotten at the next month's checks.
    S_vysledok_bitky posledna_bitka;
    // Deaths of each owner's monthly pass by cause since the last month report (SMRT_*, battle
    // deaths aside: the report counts them as the rest), and the settlers who came since.
    int smrti_v_mesiaci[MAX_PLAYERS][SMRT_last_id];
    int prislo_osadnikov;
    // The last month end's report of the player's town.
    S_sprava_mesiaca sprava_mesiaca;

    // Sets the scalars that do not start at zero; everything else is zero-filled static storage.
    S_L();
    void nastav_zaciatocne_hodnoty();
    // Zeroes every member of the game in progress and sets the start values, as a fresh process
    // has them; catalogues, meshes and search scratch stay (the members by kind:
    // clenovia_sveta.h).
    void vynuluj_hru();
    // Copies the game in progress (`hru`) and the catalogues (`katalogy`) of z over this world's.
    void prevezmi(const S_L& z, bool hru, bool katalogy);
    S_L(const S_L&) = delete;
    S_L& operator=(const S_L&) = delete;

    // The record the per-owner operations act on. `owner` only ever holds 0 … 2 through set_owner,
    // but the field is public, so anything else falls back to nobody's record.
    S_owner& aktualny_vlastnik() {
        return id_owner[owner >= 0 && owner < MAX_PLAYERS ? owner : id_nikto];
    }

    // ============================================================ world and pools (world.cpp)
    bool set_owner(int id_o);
    void set_player_as_owner();
    void vrat_riadenie_hracovi();
    void check_player_id();

    int odober_volny_objekt();
    bool pridaj_volny_objekt(int id);
    bool odstran_objekt(int o);
    bool odstran_objekt(int o, int x, int y);

    int vrat_volne_id_clovek();
    void pridaj_volne_id_clovek(int id);

    int point_id_of_objekt(int x, int y);
    int point_id_of_objekt_not_second(int x, int y);
    bool je_budova(int x, int y);
    bool je_budova(int o);
    bool je_budova_nie_sekundarne(int x, int y);
    float return_rotation(int x, int y);
    float return_rotation();
    void find_point(float& xf, float& yf);
    // Helper: the tile of a position, rounded as `find_point` rounds it.
    S_bod bunka(float xf, float yf);
    void correct_point_from_float(float& x, float& y);
    int get_object(float xf, float yf);
    int return_object_id_showing_to(float x, float y);
    bool is_in_object(float x, float y, float m_x, float m_y, float ma_x, float ma_y);
    int return_typ_podkladu(int x, int y);
    const char* objekt_meno(int id);
    const char* point_meno(int x, int y);
    const char* budova_meno(int typ);
    const char* surovina_meno(int id);
    int return_max_X();
    int return_max_Y();
    int get_last_building_int();
    int get_last_surovina_int();

    int random(int zaciatok, int koniec);

    void add_information(int id, const char* meno);
    void refresh_informacia_taken();

    bool bol_error();
    const char* return_error();

    void reset_objects();
    void reset_owners();
    void reset_people();
    void reset_synchronizers_and_identificators();

    // ============================================================ catalogues and new game
    // (catalogues.cpp)
    void Set_all();
    void New_Game();
    void Restart_Game();
    // The resets of every table a new game starts from (objects, map, owners, people, war,
    // flags, calendar).
    void reset_tabulky();
    void create_player();
    void Set_points();
    void reset_points();
    void reset_war();
    void Set_buildings();
    void Set_sources();
    void Set_vojenske_stroje();
    void zakaz_produkciu_v_mesiacoch(int b);
    int get_last_building();

    // ============================================================ construction (construction.cpp)
    void nastav_typ_budovy(int t);
    void nastav_poziciu_stavanej_budovy(int a, int b);
    void posun_stavajucu_budovu(int kam);
    void otoc_stavajucu_budovu();
    int setting_position_x();
    int setting_position_y();
    bool postav();
    int zaloz_budovu(int t, int ax, int ay, int percenta, int level, bool postavena);
    void pridaj_budovu(int x, int y, float nrot, int typ_budovy, int level);
    void pridaj_budovu(int x, int y, int typ_budovy, int level);
    void upgrade(int o);
    bool da_sa_up(int o);
    void close_open(int o);
    void kontroluj_objekty();
    bool kontroluj_stavbu(int b);

    int budova_typ(int x, int y);
    int budova_level(int x, int y);
    int budova_percenta(int x, int y);
    int budova_level(int o);
    int budova_percenta(int o);
    int budova_ludia(int o);
    bool budova_zatvorena(int o);
    bool budova_closeable(int o);
    int budova_maximalny_level(int o);
    int budova_produkuje_pocet(int o, int s);
    int budova_potrebuje_pocet(int o, int s);
    int budova_upgrade_pocet(int o, int s);
    int budova_potrebuje_ludi(int o);
    int budova_potrebuje_ludi_dalsi_level(int o);
    int budova_postaveny_pocet(int b);
    int treba_na_postavenie(int b, int s);
    bool isKasaren();
    int return_pocet_stavbari();
    // Why `postav` would refuse the cursor's building now, -1 when it would build: no type chosen
    // (E_zle_zadana_budova_na_stavanie), a rank too low (E_nema_privilegia), the site taken
    // (E_neda_sa_tam_stavat), a resource short (E_malo_surovin_na_stavbu, the first one short in
    // *surovina) or no free object (E_nie_su_volne_objekty). Nothing changes.
    int dovod_odmietnutia(int* surovina = nullptr);
    // Whether cell (x, y) lies strictly within the building radius of one of the current owner's
    // main buildings (the cursor's keys move it only there).
    bool v_dosahu_hlavnej_budovy(int x, int y);
    // The current owner's buildings under construction (or repair), and how many of them no
    // builder reaches in a day (stavbari + 1 advance a day, none without builders).
    int rozostavane_budovy();
    int stavby_cakaju_na_stavbarov();

    // ============================================================ zones and gates (zones.cpp)
    void zoning(int x, int y, bool opened_gates);
    void zoning_calculation(int p_x, int p_y, int m_x, int m_y, int direction, bool opened_gates);
    int calculate_zoning(int rot, int direction);
    bool want_control(int want_x, int want_y, int direction);
    bool can_go_around(int x, int y, int o, int r, int b, int direction);
    bool diff_zones(float x, float y, float tx, float ty);
    int add_brana(int o, int b, int x, int y);
    void odstran_branu(int o);
    void close_open_gate(int g);
    void close_open_gate(int x, int y);
    void najdi_poziciu_brany(int vl, int zona, int& bx, int& by);
    void unbound(int s);
    // Raised by everything that can change the result of a path search: every zone computation,
    // opening or closing a building, placing a building and freeing an object. A caller may keep
    // a search result for as long as the number stays the same.
    int verzia_mapy;
    // Scratch of the gate search, one entry per zone number: -2 for a dead end, otherwise the
    // number of the last walk that passed through the zone.
    int brana_zona_stav[M];

    // ============================================================ paths and movement (paths.cpp)
    bool can_go_to_point(int w_p_x, int w_p_y, int w_n_x, int w_n_y);
    S_bod find_next_point(int x1, int y1, int x2, int y2);
    // With `pamat` (the war's searches) the answer is taken from and kept in `cesty_v_pamati`.
    bool find_path(float xf, float yf, int& tx, int& ty, bool pamat = false);
    float rychlost_vrat(int c);
    float get_angle(float x, float y, float x2, float y2);
    float The_Angle(float x, float y, float z, float x2, float y2, float z2);
    bool pohyb_clovek(int c, float dx, float dy, bool formation, bool ignore);
    bool pohyb_clovek(int c, float dx, float dy, bool formation);
    float vzdialenost2(int x, int y, int x2, int y2);
    // Base of the marks of the current path search: `find_way_point` holds base + distance for a
    // cell this search has reached and less than base for any other, so no search clears it.
    int find_way_baza;

    // ============================================================ clock (clock.cpp)
    void Set_time();
    void reset_time();
    void next_day();
    bool presiel_mesiac();
    int return_den();
    int return_mesiac();
    int return_rok();
    const char* return_mesiac_meno();
    bool request_time_slow();
    bool return_je_vojna();

    // ============================================================ population (population.cpp)
    bool vytvor_clovek(int vlastnik, int pohlavie, int vek, int zdravie);
    void clovek_narodenie(int matka, int otec);
    void clovek_dosiahol_dospelost(int c);
    bool clovek_die_random(int c);
    void clovek_DIE(int c);
    bool kontroluj_ludi();
    void kontroluj_prichod_novych_ludi();
    void kontroluj_najdenie_domu_prace();
    void pridaj_bez_domova(int id_clovek);
    bool pridaj_bez_prace(int id_clovek);
    void pridaj_bez_muza(int id_muz);
    int odober_bez_domova();
    int odober_bez_prace();
    int odober_bez_muza();
    void najdi_odstran_posun_bez_domova(int id_cloveka);
    void najdi_odstran_posun_bez_prace(int id_cloveka);
    void najdi_odstran_posunodober_bez_muza(int id_cloveka);
    void vymen_bez_prace(int rodic, int dieta);
    int return_pocet_ludi();
    int return_pocet_zien();
    int return_pocet_muzov();
    int return_pocet_deti();
    int return_pocet_chlapcov();
    int return_pocet_dievcat();
    int return_zomrelo_ludi();
    int return_zomrelo_muzov();
    int return_zomrelo_zien();
    int return_zomrelo_hladom();
    int return_pocet_zomrelo_na_chorobu();
    int return_pocet_muzov_hladuje();
    int return_pocet_zien_hladuje();
    int return_pocet_muzov_bez_domova();
    int return_pocet_muzov_bez_prace();
    int return_pocet_muzov_bez_zien();
    // The free places in finished houses of every owner but nobody, as the settlers' rule counts
    // them; the places the current owner's finished workplaces still take workers for; the
    // settlers' arrival rule as it would judge the current owner's stores now.
    int volne_miesta_v_domoch();
    int volne_pracovne_miesta();
    S_prichod posud_prichod();

    // ============================================================ production and stores
    // (production.cpp) The zones of the current owner's main buildings: a building or a home
    // outside all of them cannot reach the stores.
    struct S_zony_hlavnych_budov {
        int zona[MAX_HLAVNA_BUDOVA_NA_HRACA];
        int pocet;
        bool obsahuje(int z) const {
            for (int i = 0; i < pocet; ++i)
                if (zona[i] == z) return true;
            return false;
        }
    };
    S_zony_hlavnych_budov zony_hlavnych_budov();
    void kontroluj_prijem_denne();
    void kontroluj_sklady();
    void spocitaj_bilanciu();
    void kontroluj_trvanlivost();
    void nastav_zostatok();
    void priprav_bilanciu();
    int surovina_v_skladoch(int s);
    int return_vyrobene(int s);
    int return_pouzite(int s);
    int return_bilancia(int s);
    int return_kapacita_skladov();
    // What the month end's spoilage takes of resource s from the player's stock as it stands now:
    // of a perishable good all but this month's production, of others nothing.
    int pokazi_sa(int s);

    // ============================================================ food and disease (food.cpp)
    void Set_choroby();
    bool rozdeluj_jedlo();
    void kontroluj_potreby(int c);  // the monthly needs of one person (first part of its turn)
    void kontroluj_choroby(int c);
    int return_ch_malo_jedla();
    int return_ch_malo_masa();
    int return_ch_malo_vody();
    int return_ch_malo_ovocia();
    int return_ch_podchladenie();
    int return_ch_mrtvola();
    int return_pocet_trpi_chorobou();

    // ============================================================ privileges and end of game
    // (privileges.cpp)
    void set_privilegia();
    void zakaz_PRIV_budova_level(int p, int b, int l);
    bool ma_privilegia(int t);
    void kontroluj_pridelenie_privilegii();
    void kontroluj_PRIV_male_mesto();
    void kontroluj_PRIV_mesto();
    void kontroluj_PRIV_velke_mesto();
    void kontroluj_PRIV_kralovske_mesto();
    const char* getTitul();
    // Adults the current owner's town needs for its next rank, -1 at the highest; the lowest rank
    // that may place type t, -1 when none may.
    int dospelych_na_dalsie_privilegia();
    int privilegia_pre_typ(int t);
    void kontroluj_koniec_hry();
    bool isEndOFGame();

    // ============================================================ groups (groups.cpp)
    int vytvor_vojensku_skupinu(int zbran, int zbroj, int vojensky_stroj);
    bool regrutuj(int pocet, int zbran, int zbroj, int stroj, bool regrut_bod);
    bool regrutujSermiarov(int i);
    bool regrutujKopijnikov(int i);
    bool regrutujLukostrelcov(int i);
    bool regrutujBaranidlo();
    void vyzbroj(int c, int zbran, int zbroj);
    void vojenska_skupina_dopln(int s);
    bool rozpust_vojensku_skupinu(int skupina_id, int vl);
    bool odober_vojaka_z_vojenskej_skupiny(int vojak, int skupina);
    void uprac_vojenske_skupiny();
    void set_dead_status(int s);
    void add_regrutovacie_body_pre_vojenske_skupiny(int sx, int sy);
    // Helpers: the formation of group g for `pocet` men is set up; the next jobless man joins
    // group g with its weapon and armour `zbroj` at the formation's next place, counted at the
    // player's barracks (his id, or -1 when nobody is left).
    void priprav_formaciu(int g, int pocet);
    int naverbuj(int g, int zbroj);
    void dvihni_pocet_v_kasarni(int owner);
    void zniz_pocet_v_kasarni(int owner);
    bool je_vojenska_skupina(int o);
    bool je_vojenska_skupina(int x, int y);
    int return_id_vojenskej_skupiny(int o);
    int return_vojenska_skupina_id(int x, int y);
    int id_vojenskej_skupiny(int s);
    int vojenska_skupina_owned_id(int id);
    int vojenska_skupina_owned_last();
    int return_pocet_vlastnenych_skupin();
    bool vojenska_skupina_owned(int vs);
    bool return_skupina_owned(int s);
    bool vojenska_skupina_alive(int s);
    bool return_vojenska_skupina_dead(int vs);
    bool return_dead_status(int s);
    int vojenska_skupina_volne_miesta(int s);
    int return_aktual_max_v_skupine();
    int return_regrutuj_pocet();
    const char* vojenska_skupina_meno(int s);
    int return_vojenska_skupina_VIP(int vs, int id);
    int return_vojenska_skupina_last_id();
    int return_vojenska_skupina_last_clen(int s);
    float return_vojenska_skupina_clen_x(int s, int v);
    float return_vojenska_skupina_clen_y(int s, int v);
    float return_vojenska_skupina_clen_rotation(int s, int v);
    float return_vojenska_skupina_clen_alive(int s, int v);
    float return_vojenska_skupina_real_x(int v);
    float return_vojenska_skupina_real_y(int v);
    float return_vojenska_skupina_stroj_x(int s);
    float return_vojenska_skupina_stroj_y(int s);
    float return_vojenska_skupina_stroj_rotation(int s);
    int return_vojenska_skupina_vojensky_stroj(int s);
    int return_vojenska_skupina_percenta_zdravie(int s);
    int return_pocet_vojakov();
    int return_pocet_vojakov_mece();
    int return_pocet_vojakov_kopije();
    int return_pocet_vojakov_luk();
    int vrat_cislo_vojaka_bez_skupiny_zo_zoznamu(int id);
    int vrat_cislo_vojaka_bez_skupiny_max_on_page();
    // Helpers. `opusti_kasaren`: person c gives up his workplace; the barracks (or any other
    // building) counts one man fewer. `riadkov_skupin`: the rows of the group table in use (at
    // most 32). `clenov`: the places listed in group g (0 … 100). `zivy_clen`: the person in
    // place k of group g when he is alive (health 1 or more), else -1.
    void opusti_kasaren(int c);
    int riadkov_skupin() const;
    int clenov(int g) const;
    int zivy_clen(int g, int k) const;

    // ============================================================ towers (towers.cpp)
    int add_veza(int o, int x, int y);
    bool regrutujLukostrelcovDoVeze();
    int get_pocet_regrutovanie_na_vezu();
    int get_volne_miesto_vo_vezi();
    bool veza_pridaj(int vId, int id);
    bool odober_vojaka_z_veze(int vojak, int i, int vl);
    void uprac_veze(int vl);
    bool vojna_kontroluj_veze();
    bool fire_arrows_tower(int pocet, int se);
    bool vojna_utok_na_vezu(int skupina_id, int vl, int veza_id);
    int return_veza_id(int o);
    int return_veza_last_id(int vl);
    int return_vojaci_vo_vezi(int vl, int v);

    // ============================================================ combat (combat.cpp)
    void vojna_kontroluj_utoky_na_budovy();
    void vojna_kontroluj_utok_na_nepriatela();
    // Helpers of a group's attack on enemy group e: the turn of member k (person c) from afar
    // (an archer shoots when his timer lets him and his target is in range) or in contact (he
    // closes in and fights), 1 when he is done (no target left, the enemy destroyed, he fell);
    // `porazil`: g has destroyed e (it stops attacking); `znic_skupinu`: group g is destroyed.
    int tah_z_dialky(int g, int k, int c, int e);
    int tah_zblizka(int g, int k, int c, int e);
    bool porazil(int g, int e);
    void znic_skupinu(int g);
    void vojna_hladaj_ciele();
    int vojna_hladaj_ciele_help(int s, float x, float y);
    int find_target(int s, int v, int e);
    bool personal_fight(int a, int e);
    bool fire_arrows(int a, int e);
    int zbran_sila(int zbran);
    int zbroj_sila(int zbroj);
    int zbran_timer(int zbran);
    int actionTimerVojenskyStroj(int vs);
    void unbound_attacks_to_target(int o);
    // Helpers: the damage of an attack against a defence (the difference, 1 when equal, 0 when
    // weaker); soldier c takes the damage of attack `sila` against his armour and, at 0 or
    // less, falls (health 0, his group counts him dead and is destroyed with its last man) —
    // true when he fell.
    static int poskodenie(int sila, int obrana);
    bool zran_vojaka(int c, int sila);
    // Helper: the distance of two positions on the map, in tiles.
    static float vzdialenost_bodov(float x1, float y1, float x2, float y2);
    // Helpers: whether group g has a living member; g stops attacking (target and hand-to-hand
    // combat cleared); g stops attacking and walking; g's centre becomes the mean position of
    // its living members.
    bool ma_zivych(int g);
    void zrus_utok(int g);
    void ukonci_pochod(int g);
    void prepocitaj_stred(int g);

    // ============================================================ attacks (attacks.cpp)
    void kontroluj_diplomaciu();
    bool vytvor_utok();
    bool vytvor_utok_prebuduj_armadu();
    bool vytvor_utok_dopln_armadu();
    bool deploy_troops();
    void vojna_kontroluj_script();
    void AI_attack_urcuj_pohyb();
    void AI_attack_urcuj_pohyb_hladaj_branu();
    void vojna_kontroluj_koniec();
    void ukonci_utok(int attacker_id, int deffender_id, bool attacker_won);
    void request_end_of_battle(int attacker_id, int deffender_id, bool attacker_won);
    void vojenske_skupiny_retriete();
    void vojenska_skupina_emergency_delete_attack(int s);
    // A battle that has made no progress for BITKA_BEZ_POKROKU_MAX steps, or has lasted
    // BITKA_KROKOV_MAX, ends: the end check runs, and if the battle is still on, an enemy group at
    // the main building that no group of the player fights has won, else the defence has held.
    // One console line says so.
    void ukonci_uviaznutu_bitku();
    bool nepriatel_pri_hlavnej_budove_bez_odporu();
    // How long the current battle has lasted, in whole seconds; the last battle's outcome.
    int return_bitka_sekund();
    const S_vysledok_bitky& return_posledna_bitka();
    // The earliest day the attack trigger could start an attack as things stand: 1 December of
    // the first year it allows (the rank aside).
    S_time najskorsi_utok();
    // Helper: enemy group g walks toward tile (x, y) by path, the first waypoint now; no path or a
    // refused order leaves it without a final goal.
    void posli_na_ciel(int g, int x, int y);

    // ============================================================ orders and movement (orders.cpp)
    bool presun_vojensku_skupinu_na(int skupina, int x, int y, int skupina_own, bool deploy,
                                    float rot);
    bool presun_vojensku_skupinu_na(int skupina, int x, int y, int skupina_own);
    bool vojenska_skupina_utok_na_budovu(int skupina, int x, int y);
    bool vojenska_skupina_obranuj_budovu(int skupina, int x, int y);
    bool vojenska_skupina_utok_na_nepriatela(int skupina, int x, int y);
    bool vojenska_skupina_podpor_spojenca(int skupina, int x, int y);
    bool presun_vojensku_skupinu_na_bod(int skupina, int x, int y);
    void vojna_pohyb();
    int vojenska_skupina_na_suradniciach(int x, int y, int vl);
    // Helpers. A group's map object stands registered on its anchor tile (x, y):
    // `poloz_skupinu_na_bunku` registers it on a tile that becomes the anchor, remembering a
    // building's footprint cell it covers; `vrat_bunku_budove` gives a cleared tile back to that
    // building; `zdvihni_z_bunky` clears the group's tile when it holds the group's own object
    // and gives it back to the building. `posli_skupinu` starts a walk to a tile.
    bool skupina_na_svojej_bunke(int g);
    void poloz_skupinu_na_bunku(int g, int x, int y);
    void vrat_bunku_budove(int g, int x, int y);
    void zdvihni_z_bunky(int g);
    void posli_skupinu(int g, int x, int y);

    // ============================================================ month report (report.cpp)
    // Writes the month report of the current owner's town, run in the monthly checks after the
    // settlers and the balance and before spoilage; the month's death and settler counts start
    // again. The report as the last month end left it.
    void zhrn_mesiac();
    const S_sprava_mesiaca& return_sprava_mesiaca();

    // ============================================================ recount of the books
    // (recount.cpp) Recomputes owner vl's population counters, the three lists, the people in
    // houses and workplaces (the barracks and towers too), the soldiers per kind, the group rows
    // with their members and fallen, the owner's living groups and the tower garrisons with the
    // free places, from the tables themselves, and the owner's building counts per type, main
    // building record, built-up area, gate list and tower list against the buildings on the map.
    // One line per disagreement; "" when the books balance.
    std::string prepocitaj_knihy(int vl) const;
    // Its steps, each adding its lines to out: the people, the groups, the tower garrisons, the
    // buildings with the gate and tower lists.
    void prepocitaj_ludi(int vl, std::ostream& out) const;
    void prepocitaj_skupiny(int vl, std::ostream& out) const;
    void prepocitaj_posadky(int vl, std::ostream& out) const;
    void prepocitaj_budovy(int vl, std::ostream& out) const;
    // The same for what belongs to no owner: both free-id pools against the object and people
    // tables and their high-water marks, the object records and group rows, every person's owner,
    // home and workplace, and the map cells of every object, footprints included.
    std::string prepocitaj_svet() const;
    // Both: the world's lines, then each owner's, prefixed "owner N: ".
    std::string prepocitaj_vsetko() const;

    // ============================================================ mesh registry
    // (graphics_registry.cpp)
    int Nacitaj_graficky_objekt(const char* folder, const char* path);
    void Nacitaj_graficke_objekty();
    int return_last_graficky_objekt();
    std::vector<glm::vec3> graficky_objekt_vektory(int id);
    std::vector<glm::vec3> graficky_objekt_farby(int id);
    int graficky_objekt_verteces_size(int id);
    void save_vertexBuffer(int id, unsigned int buffer);
    void save_colorBuffer(int id, unsigned int buffer);
    unsigned int graficky_objekt_vertex_buffer(int id);
    unsigned int graficky_objekt_color_buffer(int id);
    void uloz_graficky_objekt_base_list(int id, int handle);
    int graficky_objekt_base_list(int typ);
    int graficky_objekt_base_list(int x, int y);
    int graficky_objekt_podklad_base_list(int p);
    int graficky_objekt_soldier_base_list(int skupina, int i);
    int graficky_objekt_stroj_base_list(int k);
    int graficky_objekt_VIP_base_list(int k);
    int return_budova_VIP(int x, int y);
    int get_graficky_objekt(float x, float y);
};

static_assert(sizeof(S_vysledok_bitky::ulupene) / sizeof(int) == S_L::last_surovina_id,
              "a battle's plunder has a place for every resource");

// Acts for another owner: while the guard lives the per-owner operations act on `vlastnik`, and
// the owner before comes back when it goes, on every way out of the scope. `platny()` is false
// when vlastnik is no owner; nobody's record is the current one then.
class C_za_vlastnika {
public:
    C_za_vlastnika(S_L& w, int vlastnik)
        : w_(w), povodny_(w.owner), platny_(w.set_owner(vlastnik)) {}
    ~C_za_vlastnika() { w_.set_owner(povodny_); }
    C_za_vlastnika(const C_za_vlastnika&) = delete;
    C_za_vlastnika& operator=(const C_za_vlastnika&) = delete;
    bool platny() const { return platny_; }

private:
    S_L& w_;
    const int povodny_;
    const bool platny_;
};

// True for a valid object id (0 … 40000).
inline bool platny_objekt(int o) { return o >= 0 && o < S_L::MAX_OBJECTS; }
// True for a valid owner id (0 … 2).
inline bool platny_vlastnik(int v) { return v >= 0 && v < S_L::MAX_PLAYERS; }
// True for a resource slot (0 … 99).
inline bool platna_surovina(int s) { return s >= 0 && s < S_L::MAX_SUROVIN; }
// True for a catalogue entry and one of its level records (type 0 … 34, level 0 … 5).
inline bool platny_typ_a_level(int t, int l) {
    return t >= 0 && t < S_L::last_building_integer && l >= 0 && l < S_L::MAX_LEVEL;
}
// True for a valid person id (0 … 40000).
inline bool platny_clovek(int c) { return c >= 0 && c < S_L::MAX_CLOVEK; }
// True for a cell on the map.
inline bool na_mape(int x, int y) { return x >= 0 && x < S_L::A && y >= 0 && y < S_L::B; }
// True for a row of the group table (0 … 31).
inline bool platna_skupina(int g) { return g >= 0 && g <= S_L::MAX_VOJENSKA_SKUPINA; }

}  // namespace Strategy_library

extern Strategy_library::S_L strategy;
