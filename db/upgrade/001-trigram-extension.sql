-- PostgreSQL's trigram indexes, for the searches of a text anywhere in a name or microchip.
create extension if not exists pg_trgm @POSTGRESQL@;
