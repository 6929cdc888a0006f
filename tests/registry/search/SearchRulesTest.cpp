// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search's criteria as conditions with bound values, and its result's columns, their sort
// expressions and its dictionary.

#include "registry/search/PesquisaAvancadoExport.h"
#include "registry/search/PesquisaAvancadoRules.h"
#include "registry/search/PesquisaAvancadoSql.h"

#include <gtest/gtest.h>

namespace {

SearchFilter filterOf(std::initializer_list<std::pair<const char*, const char*>> texts) {
    AdvancedCriteria c;
    for (const auto& [control, text] : texts)
        c.texts.insert(QString::fromLatin1(control), QString::fromUtf8(text));
    return pesquisaavancadosql::searchFilter(c);
}

}  // namespace

TEST(SearchCriteria, EachKindBindsItsValueAndNoTextReachesTheStatement) {
    const SearchFilter none = filterOf({{"mkeNomeAnimal", "   "}});
    EXPECT_EQ(none.lines, QStringList{" where fold(trim(b.Status_Registro)) = 'ativo'"});
    EXPECT_TRUE(none.params.isEmpty());
    EXPECT_FALSE(none.folds);

    struct Case {
        const char* control;
        const char* typed;
        const char* line;
        QVariant bound;
    };
    const Case cases[] = {
        // A beginning is a range of the folded text (on SQLite, where these run). Typed "%" and "_" stay
        // wildcards, the literal beginning before them still a range; a typed "\\" matches itself.
        {"mkeNomeAnimal", "D'ARTAGNAN",
         " and (a.Nome || '') >= '' and fold(a.Nome) >= :mkeNomeAnimal and fold(a.Nome) < :mkeNomeAnimal_end",
         "d'artagnan"},
        {"mkeLogradouro", "DAS_FL%",
         " and (j.NOM_LOGR || '') >= '' and fold(j.NOM_LOGR) >= :mkeLogradouro_head and fold(j.NOM_LOGR) < "
         ":mkeLogradouro_head_end and fold(j.NOM_LOGR) like :mkeLogradouro escape '\\'",
         "das_fl%%"},
        {"edtCor", "PRETO\\B", " and (a.Cor || '') >= '' and fold(a.Cor) >= :edtCor and fold(a.Cor) < :edtCor_end",
         "preto\\b"},
        {"mkeComplemento", "CASA",
         " and (j.DES_CMPL_ENDR || '') >= '' and fold(j.DES_CMPL_ENDR) like :mkeComplemento escape '\\'", "%casa%"},
        {"cbbSexo", "M", " and (a.Sexo || '') >= '' and fold(a.Sexo) like :cbbSexo escape '\\'", "%m%"},
        // On SQLite the full-text table of the microchips finds the rows, the like keeps the match exact.
        {"mkeMicrochip", " 12 34 ",
         " and a.Id_Animal = a.Id_Animal and a.Id_Animal in (select rowid from animal_fold where microchip match "
         ":mkeMicrochip_words) and fold(replace(a.Num_Microchip, ' ', '')) like :mkeMicrochip escape '\\'",
         "%1234%"},
        {"mkePedigree", " P-1 ",
         " and (a.Num_Pedigree || '') >= '' and fold(trim(a.Num_Pedigree)) = fold(:mkePedigree)", "P-1"},
        {"mkeNumCPF_CNPJ", "529.982.247-25",
         " and (b.Num_CPF_CNPJ || '') >= '' and upper(replace(replace(replace(replace(b.Num_CPF_CNPJ, '.', ''), "
         "'-', ''), '/', ''), ' ', '')) = :mkeNumCPF_CNPJ",
         "52998224725"},
        {"cbbDistrito", "12 - NORTE", " and j.Id_Distrito = :cbbDistrito", 12},
        {"cbbEspecie", " 3 -CAO", " and a.Id_Especie = :cbbEspecie", 3},
        {"mkeCodProprietario", " 42 ", " and b.Id_Proprietario = :mkeCodProprietario", 42},
    };
    for (const Case& c : cases) {
        const SearchFilter f = filterOf({{c.control, c.typed}});
        ASSERT_EQ(f.lines.size(), 2) << c.control;
        EXPECT_EQ(f.lines[1], QString::fromUtf8(c.line)) << c.control;
        EXPECT_EQ(f.params.value(QString::fromLatin1(c.control)), c.bound) << c.control;
        EXPECT_FALSE(f.lines.join(' ').contains(QString::fromUtf8(c.typed).trimmed())) << c.control;
    }
}

TEST(SearchCriteria, StatusMicrochipPresenceAndInclusiveBirthRange) {
    AdvancedCriteria c;
    c.inactiveOwners = true;
    c.texts.insert("cbbComSemMicrochipe", " NAO ");
    c.birthDate = true;
    c.bornFrom = QDate(2020, 1, 1);
    c.bornTo = QDate(2020, 12, 31);
    SearchFilter f = pesquisaavancadosql::searchFilter(c);
    EXPECT_EQ(f.lines.value(0), " where fold(trim(b.Status_Registro)) = 'inativo'");
    EXPECT_EQ(f.lines.value(1), " and ((a.num_microchip is null) or (trim(a.num_microchip) = ''))");
    EXPECT_EQ(f.params.value("dataInicia").toDateTime(), QDateTime(QDate(2020, 1, 1), QTime(0, 0)));
    EXPECT_EQ(f.params.value("dataFim").toDateTime(), QDateTime(QDate(2021, 1, 1), QTime(0, 0)));
    c.texts.insert("cbbComSemMicrochipe", "SIM");
    EXPECT_TRUE(pesquisaavancadosql::searchFilter(c).lines.value(1).contains("is not null"));
    c.texts.insert("cbbComSemMicrochipe", "TALVEZ");
    EXPECT_EQ(pesquisaavancadosql::searchFilter(c).lines.size(), 2);  // status and birth date only
}

TEST(SearchCriteria, NumbersAndListItemsThatAreNoWholeNumberAreRefusedNamingTheField) {
    const std::pair<const char*, const char*> refused[] = {
        {"mkeCodAnimal", "12a"}, {"mkeNum_Imivel", "1,5"}, {"cbbEspecie", "CAO"}, {"cbbArea", "- 11"}};
    for (const auto& [control, text] : refused) {
        try {
            filterOf({{control, text}});
            ADD_FAILURE() << control;
        } catch (const InvalidCriterion& e) {
            EXPECT_EQ(e.control, QString::fromLatin1(control));
            EXPECT_TRUE(e.message.startsWith("Valor inválido no campo \"")) << e.message.toStdString();
        }
    }
    EXPECT_EQ(districtItem(12, "DS1 NORTE"), "12 - NORTE");
}

TEST(SearchResult, ColumnsDictionaryAndSortExpressions) {
    EXPECT_EQ(advancedResultFields().size(), 50);
    EXPECT_EQ(advancedDictionary().size(), 46);
    QStringList names;
    for (const dbase::Field& f : advancedResultFields())
        names << f.name;
    EXPECT_EQ(dbase::fieldNames(names).value(18), "Id_Propr_2");
    for (const AdvancedGridColumn& c : advancedGridColumns()) {
        EXPECT_TRUE(names.contains(c.field)) << c.field.toStdString();
        EXPECT_FALSE(pesquisaavancadosql::sortExpression(c.field).isEmpty()) << c.field.toStdString();
    }
    EXPECT_EQ(pesquisaavancadosql::sortExpression(advancedGridColumns().value(4).field), "a.Id_Proprietario");
}
