#!/usr/bin/env python3
# The statement layout check: which literals it takes for a statement written as a chain.
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sql_literals  # noqa: E402


def flagged(source):
    return [joined for _, joined in sql_literals.chains(source) if sql_literals.is_statement(joined)]


class Chains(unittest.TestCase):
    def test_a_statement_in_a_chain_is_named_with_its_line(self):
        source = 'int a;\nauto q = QStringLiteral(" select a from t "\n                        " where b = :b ");\n'
        self.assertEqual(sql_literals.chains(source), [(2, " select a from t  where b = :b ")])
        self.assertEqual(len(flagged(source)), 1)

    def test_fragments_of_a_where_clause_are_statements_too(self):
        self.assertEqual(len(flagged('q << " and a = :a "\n     " and b = :b ";')), 1)

    def test_raw_literals_single_literals_and_texts_pass(self):
        self.assertEqual(flagged('auto q = QStringLiteral(R"(\n    select a\n    from t "x" "y"\n)");'), [])
        self.assertEqual(flagged('auto q = QStringLiteral(" select a from t where b = 1 ");'), [])
        self.assertEqual(flagged('auto m = QStringLiteral("Deseja excluir "\n "o registro?");'), [])

    def test_comments_char_literals_and_prefixed_literals_are_no_chains(self):
        self.assertEqual(flagged('// " select a " " from t "\nchar c = \'"\'; auto s = u"select a" "from b";'), [])

    def test_function_definitions_keep_their_text(self):
        self.assertEqual(flagged('auto f = QStringLiteral("create or replace function f() "\n "as $$ select 1 $$");'), [])


if __name__ == "__main__":
    unittest.main()
