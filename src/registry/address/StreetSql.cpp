// SPDX-License-Identifier: GPL-3.0-or-later
// Statements on the street register: the look-ups of the address entry and the street search.
#include "registry/address/StreetSql.h"

#include "platform/db/Search.h"
#include "registry/shared/TypedNumber.h"

using namespace registry;

namespace streetsql {

namespace {

db::RowSet read(const QString& sql, const QVariantHash& params = {}) { return db::run(db::kPadrao, sql, params); }

Street streetOf(const db::RowSet& rows, int i) {
    auto at = [&](const char* f) { return rows.row(i)[rows.indexOrThrow(QString::fromLatin1(f))]; };
    Street s;
    s.code = at("num_logr");
    s.sequence = at("num_sequ_logr");
    s.type = db::toText(at("tip_logr")).trimmed();
    s.name = db::toText(at("nom_logr")).trimmed();
    if (rows.fieldIndex(QStringLiteral("num_bair")) >= 0) {
        s.neighbourhood = at("num_bair");
        s.neighbourhoodName = db::toText(at("nom_bair")).trimmed();
    }
    return s;
}

const QString kStreetColumns = QStringLiteral(
    R"(
        select distinct tip_bair, num_bair, nom_bair, NUM_LOGR, NUM_SEQU_LOGR, tip_logr, nom_logr
        from pesquisaLograd
        where fold(trim(tip_clss_bair)) in ('o','p')
          and fold(trim(ind_bair_cord)) = 'n'
    )");

}  // namespace

db::RowSet byCode(const QString& code) {
    return read(QStringLiteral(R"(
        select distinct num_logr, nom_logr
        from pesquisaLograd
        where num_logr = :code
          and num_sequ_logr = 1
        order by num_logr, nom_logr
    )"),
                {{QStringLiteral("code"), wholeNumber(code)}});
}

int countByName(const QString& name) {
    const db::RowSet rows =
        read(QStringLiteral(" select count(*) as valor from Logradouro where fold(trim(nom_logr)) = fold(:name) "),
             {{"name", name.trimmed()}});
    return rows.count() ? db::toInt(rows.row(0)[0]) : 0;
}

std::optional<Street> uniqueByName(const QString& name) {
    if (countByName(name) != 1)
        return std::nullopt;
    const db::RowSet code =
        read(QStringLiteral(" select num_logr from Logradouro where fold(trim(nom_logr)) = fold(:name) "),
             {{"name", name.trimmed()}});
    const db::RowSet rows =
        read(kStreetColumns + QStringLiteral(" and NUM_LOGR = :code and fold(trim(NOM_LOGR)) = fold(:name) limit 1 "),
             {{"code", code.row(0)[0]}, {"name", name.trimmed()}});
    if (rows.count() == 0)
        return std::nullopt;
    return streetOf(rows, 0);
}

QString postalDigits(const QString& typed) { return QString(typed).remove(QLatin1Char('-')).trimmed(); }

std::optional<int> streetOfPostalCode(const QString& digits) {
    const db::RowSet rows = read(QStringLiteral(R"(
        select num_logr, num_cep, ind_lado_logr, num_imov_inic, num_imov_fina
        from cepLogradouro
        where num_cep = :cep
        limit 1
    )"),
                                 {{"cep", digits}});
    if (rows.count() == 0)
        return std::nullopt;
    return db::toInt(rows.row(0)[0]);
}

std::optional<Street> currentName(int streetCode) {
    const db::RowSet rows = read(QStringLiteral(R"(
        select num_logr, num_sequ_logr, tip_logr, nom_logr
        from logradouroNome
        where num_logr = :code
        order by num_sequ_logr
        limit 1
    )"),
                                 {{"code", streetCode}});
    if (rows.count() == 0)
        return std::nullopt;
    return streetOf(rows, 0);
}

QString postalCodeByNumber(int streetCode, int number, bool sameSideOnly) {
    const db::RowSet rows = read(QStringLiteral(R"(
        select a.num_cep, a.ind_lado_logr, a.num_imov_inic, a.num_imov_fina
        from cepLogradouro a
        left join logradouro b on (a.num_logr = b.num_logr)
        where a.num_logr = :code
    )"),
                                 {{"code", streetCode}});
    const QString side = number % 2 ? QStringLiteral("I") : QStringLiteral("P");
    QString anySide;
    for (int i = 0; i < rows.count(); ++i) {
        bool okFrom = false, okTo = false;
        const int from = db::toText(rows.row(i)[2]).trimmed().toInt(&okFrom);
        const int to = db::toText(rows.row(i)[3]).trimmed().toInt(&okTo);
        if (!okFrom || !okTo || number < from || number > to)
            continue;
        const QString cep = db::toText(rows.row(i)[0]).trimmed();
        if (db::sameText(db::toText(rows.row(i)[1]), side))
            return cep;
        if (anySide.isEmpty())
            anySide = cep;
    }
    return sameSideOnly ? QString() : anySide;
}

db::RowSet neighbourhoods(const QString& streetCode) {
    const QString head = QStringLiteral(
        R"(
            select distinct BairroLogradouro.NUM_BAIR, NOM_BAIR, TIP_BAIR
            from BairroLogradouro
            join Bairro on (BairroLogradouro.NUM_BAIR = Bairro.NUM_BAIR
                and fold(trim(Bairro.TIP_CLSS_BAIR)) = 'p')
        )");
    const QString order = QStringLiteral(" order by NOM_BAIR ");
    if (!streetCode.trimmed().isEmpty()) {
        db::RowSet rows = read(head + QStringLiteral(" where BairroLogradouro.NUM_LOGR = :code ") + order,
                               {{"code", wholeNumber(streetCode)}});
        if (rows.count() > 0 && !db::toText(rows.row(0)[1]).trimmed().isEmpty())
            return rows;
    }
    return read(head + order);
}

db::RowSet neighbourhoodsByName() {
    return read(QStringLiteral(R"(
        select min(num_bair) as num_bair, nom_bair, tip_bair
        from bairro
        where fold(trim(tip_clss_bair)) in ('o','p')
        group by nom_bair, tip_bair
        order by nom_bair, tip_bair
    )"));
}

db::RowSet areas(const QVariant& district, bool activeOnly) {
    if (district.isNull() || db::toText(district).trimmed().isEmpty())
        return read(QStringLiteral(" select cod_area_abrn, des_area_abrn from areaAbrang order by des_area_abrn "));
    return read(
        QStringLiteral(" select cod_area_abrn, des_area_abrn from areaAbrang where cod_ditr_sani = :district ") +
            (activeOnly ? QStringLiteral(" and fold(trim(sit_regt)) = 'a' ") : QString()) +
            QStringLiteral(" order by des_area_abrn "),
        {{"district", db::toInt(district)}});
}

db::RowSet streetTypes() {
    return read(QStringLiteral(" select Tip_Logr, Des_Tip_Logr from TipoLogradouro order by Des_Tip_Logr "));
}

QList<Building> buildings(int streetCode) {
    const db::RowSet rows = read(QStringLiteral(R"(
        select num_imov, val_cood_x, val_cood_y
        from LogradouroImovel
        where num_logr = :street
    )"),
                                 {{"street", streetCode}});
    QList<Building> found;
    for (int i = 0; i < rows.count(); ++i)
        found.append({db::toText(rows.row(i)[0]), db::toNumber(rows.row(i)[1]), db::toNumber(rows.row(i)[2])});
    return found;
}

void prepareSearch(db::Query& query, const QString& criterion, const QString& text, const QString& orderBy) {
    query.clear();
    query << kStreetColumns;
    const QString c = criterion.trimmed();
    const QString t = text.trimmed();
    if (c == kCriterionCode) {
        query << QStringLiteral(" and num_logr = :texto ");
        query.bind(QStringLiteral("texto"), wholeNumber(t));
    } else if (c == kCriterionName) {
        query << QStringLiteral(" and ") + db::foldedLike(QStringLiteral("nom_logr"), QStringLiteral("texto"));
        query.bind(QStringLiteral("texto"), db::likePrefix(t));
    } else if (c == kCriterionNeighbourhoodCode) {
        query << QStringLiteral(" and num_bair = :texto ");
        query.bind(QStringLiteral("texto"), wholeNumber(t));
    } else if (c == kCriterionNeighbourhood) {
        query << QStringLiteral(" and ") + db::foldedLike(QStringLiteral("nom_bair"), QStringLiteral("texto"));
        query.bind(QStringLiteral("texto"), db::likePrefix(t));
    }
    query << (orderBy.isEmpty() ? QStringLiteral(" order by nom_logr ") : QStringLiteral(" order by ") + orderBy);
}

}  // namespace streetsql

Coordinates CalculaCoordenadas(int streetCode, int number) {
    try {
        return geocode(number, streetsql::buildings(streetCode));
    } catch (const std::exception&) {
        return {0, 0, kGradeNaoEncontrado};
    }
}
