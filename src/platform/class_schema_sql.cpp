// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The class's schema on the server, step by step (step n brings version n - 1 to version n),
// and the functions that are the only door of the pupil and teacher roles to it. The tables
// belong to the administrator who set the class up; the roles own nothing and may read no
// table: each function finds the caller's class from the role it logged in as.
#include "platform/class_schema.h"

namespace quorvel {
namespace {

// Version 1: classes with their rules and roles, their pupils, the pupils' cards and
// notebooks. Pages and trials keep the ids they were made with, so a trial sent twice is kept
// once; `received` and `changed` say when the server got them (for a board that follows the
// class as it plays).
constexpr const char* version1 = R"(
    CREATE TABLE quorvel.version (version integer NOT NULL);
    INSERT INTO quorvel.version VALUES (0);
    CREATE TABLE quorvel.classes (
        id integer PRIMARY KEY,
        name text NOT NULL UNIQUE,
        pupil_role name NOT NULL UNIQUE,
        teacher_role name NOT NULL UNIQUE,
        pupil_password text NOT NULL,
        levels text NOT NULL DEFAULT '12345',
        reveal text NOT NULL DEFAULT 'sempre',
        wizard boolean NOT NULL DEFAULT true,
        pupils_add_names boolean NOT NULL DEFAULT true);
    CREATE SEQUENCE quorvel.class_numbers OWNED BY quorvel.classes.id;
    CREATE TABLE quorvel.pupils (
        id bigserial PRIMARY KEY,
        class integer NOT NULL REFERENCES quorvel.classes ON DELETE CASCADE,
        name text NOT NULL);
    CREATE UNIQUE INDEX pupils_by_name ON quorvel.pupils (class, lower(name));
    CREATE TABLE quorvel.cards (
        pupil bigint NOT NULL REFERENCES quorvel.pupils ON DELETE CASCADE,
        mechanism integer NOT NULL,
        level integer NOT NULL,
        description text NOT NULL,
        way text NOT NULL CHECK (way IN ('scoperta', 'rivelata')),
        date text NOT NULL,
        trials integer NOT NULL,
        opened bigint NOT NULL,
        PRIMARY KEY (pupil, mechanism));
    CREATE TABLE quorvel.pages (
        id bigserial PRIMARY KEY,
        uid text NOT NULL UNIQUE,
        pupil bigint NOT NULL REFERENCES quorvel.pupils ON DELETE CASCADE,
        begun bigint NOT NULL,
        level integer NOT NULL,
        streak integer NOT NULL,
        streak_answers text NOT NULL,
        discovered boolean NOT NULL,
        revealed boolean NOT NULL,
        rule text NOT NULL,
        changed timestamptz NOT NULL DEFAULT now());
    CREATE INDEX pages_in_order ON quorvel.pages (pupil, begun, uid);
    CREATE TABLE quorvel.trials (
        id bigserial PRIMARY KEY,
        uid text NOT NULL UNIQUE,
        page bigint NOT NULL REFERENCES quorvel.pages ON DELETE CASCADE,
        made bigint NOT NULL,
        first text NOT NULL,
        second text NOT NULL,
        a double precision,
        b double precision,
        output text NOT NULL,
        prediction text,
        prediction_right boolean NOT NULL,
        received timestamptz NOT NULL DEFAULT now());
    CREATE INDEX trials_in_order ON quorvel.trials (page, made, uid);
)";

// Version 2: the class moves together. The teacher's orders (a mechanism for everyone, stop,
// go, the rule revealed) live on the class, each mechanism order numbered; `presence` says when
// each pupil's computer was last heard of, for the teacher's live board.
constexpr const char* version2 = R"(
    ALTER TABLE quorvel.classes
        ADD COLUMN mechanism_serial bigint NOT NULL DEFAULT 0,
        ADD COLUMN mechanism text NOT NULL DEFAULT '',
        ADD COLUMN stopped boolean NOT NULL DEFAULT false,
        ADD COLUMN reveal_serial bigint NOT NULL DEFAULT 0;
    CREATE TABLE quorvel.presence (
        pupil bigint PRIMARY KEY REFERENCES quorvel.pupils ON DELETE CASCADE,
        seen timestamptz NOT NULL DEFAULT now());
)";

// The functions, made anew by every set-up: they are the program's, not the class's data.
constexpr const char* functions = R"(
CREATE OR REPLACE FUNCTION quorvel.caller_class() RETURNS integer
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT id FROM classes WHERE pupil_role = session_user OR teacher_role = session_user
$$;

CREATE OR REPLACE FUNCTION quorvel.caller_teaches() RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT EXISTS (SELECT FROM classes WHERE teacher_role = session_user)
$$;

CREATE OR REPLACE FUNCTION quorvel.pupil_id(n text) RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT id FROM pupils WHERE class = caller_class() AND lower(name) = lower(n)
$$;

-- A pupil's number, which a rename keeps: what waits on a computer for the server goes by it.
CREATE OR REPLACE FUNCTION quorvel.pupil_number(n text) RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT pupil_id(n)
$$;

CREATE OR REPLACE FUNCTION quorvel.pupil_of_class(p bigint) RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT id FROM pupils WHERE id = p AND class = caller_class()
$$;

CREATE OR REPLACE FUNCTION quorvel.teacher_only() RETURNS void
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    IF NOT caller_teaches() THEN
        RAISE EXCEPTION 'only the class''s teacher may do this' USING ERRCODE = '42501';
    END IF;
END
$$;

-- What every version keeps: the schema's version, so that an older program can refuse it.
CREATE OR REPLACE FUNCTION quorvel.class_info(
    OUT name text, OUT pupils bigint, OUT schema integer, OUT teacher_role name)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT c.name, (SELECT count(*) FROM pupils WHERE class = c.id),
        (SELECT version FROM version), c.teacher_role
    FROM classes c WHERE c.id = caller_class()
$$;

CREATE OR REPLACE FUNCTION quorvel.names() RETURNS SETOF text
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT name FROM pupils WHERE class = caller_class() ORDER BY id
$$;

CREATE OR REPLACE FUNCTION quorvel.add_name(n text) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
DECLARE
    c integer := caller_class();
BEGIN
    IF c IS NULL OR length(n) NOT BETWEEN 1 AND 40 THEN
        RAISE EXCEPTION 'no such class, or no name' USING ERRCODE = '22023';
    END IF;
    IF NOT caller_teaches() AND NOT (SELECT pupils_add_names FROM classes WHERE id = c) THEN
        RAISE EXCEPTION 'the teacher adds the names' USING ERRCODE = '42501';
    END IF;
    INSERT INTO pupils (class, name) VALUES (c, n) ON CONFLICT DO NOTHING;
    RETURN FOUND;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.rules(
    OUT levels text, OUT reveal text, OUT wizard boolean, OUT pupils_add_names boolean)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT levels, reveal, wizard, pupils_add_names FROM classes WHERE id = caller_class()
$$;

CREATE OR REPLACE FUNCTION quorvel.cards(n text) RETURNS TABLE (
    mechanism integer, level integer, description text, way text, date text, trials integer)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT mechanism, level, description, way, date, trials FROM cards
    WHERE pupil = pupil_id(n) ORDER BY mechanism
$$;

-- A card stays as it first opened: of two computers that opened it, the earlier wins, even
-- when its card arrives later from its queue. False when the card was open already.
CREATE OR REPLACE FUNCTION quorvel.open_card_of(who bigint, m integer, l integer, d text,
    w text, day text, t integer, at bigint) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
DECLARE
    p bigint := pupil_of_class(who);
BEGIN
    IF p IS NULL THEN
        RETURN false; -- a pupil the teacher deleted meanwhile: nothing is kept
    END IF;
    INSERT INTO cards VALUES (p, m, l, d, w, day, t, at) ON CONFLICT DO NOTHING;
    IF FOUND THEN
        RETURN true;
    END IF;
    UPDATE cards SET level = l, description = d, way = w, date = day, trials = t, opened = at
    WHERE pupil = p AND mechanism = m AND opened > at;
    RETURN false;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.open_card(n text, m integer, l integer, d text, w text,
    day text, t integer, at bigint) RETURNS boolean
LANGUAGE sql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT open_card_of(pupil_id(n), m, l, d, w, day, t, at)
$$;

CREATE OR REPLACE FUNCTION quorvel.pages(n text) RETURNS TABLE (uid text, begun bigint,
    level integer, streak integer, streak_answers text, discovered boolean, revealed boolean,
    rule text)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT uid, begun, level, streak, streak_answers, discovered, revealed, rule FROM pages
    WHERE pupil = pupil_id(n) ORDER BY begun, uid
$$;

CREATE OR REPLACE FUNCTION quorvel.trials(n text) RETURNS TABLE (page text, uid text,
    made bigint, first text, second text, a double precision, b double precision, output text,
    prediction text, prediction_right boolean)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT g.uid, t.uid, t.made, t.first, t.second, t.a, t.b, t.output, t.prediction,
        t.prediction_right
    FROM trials t JOIN pages g ON g.id = t.page WHERE g.pupil = pupil_id(n)
$$;

-- A page and its new trials, whole or not at all. A trial whose id is kept already is left
-- as it is, so a queue sent again after a lost answer writes nothing twice. The marks of a
-- page are never taken away. The number of trials added.
CREATE OR REPLACE FUNCTION quorvel.save_page_of(who bigint, page_uid text, page_begun bigint,
    page_level integer, page_streak integer, answers text, page_discovered boolean,
    page_revealed boolean, page_rule text, t_uid text[], t_made bigint[], t_first text[],
    t_second text[], t_a double precision[], t_b double precision[], t_output text[],
    t_prediction text[], t_right boolean[]) RETURNS integer
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
DECLARE
    p bigint := pupil_of_class(who);
    g bigint;
    added integer;
BEGIN
    IF p IS NULL THEN
        RETURN 0;
    END IF;
    INSERT INTO pages AS kept (uid, pupil, begun, level, streak, streak_answers, discovered,
            revealed, rule)
        VALUES (page_uid, p, page_begun, page_level, page_streak, answers, page_discovered,
            page_revealed, page_rule)
    ON CONFLICT (uid) DO UPDATE SET level = excluded.level, streak = excluded.streak,
        streak_answers = excluded.streak_answers,
        discovered = kept.discovered OR excluded.discovered,
        revealed = kept.revealed OR excluded.revealed,
        rule = CASE WHEN excluded.rule <> '' THEN excluded.rule ELSE kept.rule END,
        changed = now()
        WHERE kept.pupil = excluded.pupil
    RETURNING id INTO g;
    IF g IS NULL THEN
        RETURN 0; -- another pupil's page
    END IF;
    INSERT INTO trials (uid, page, made, first, second, a, b, output, prediction,
            prediction_right)
        SELECT u.uid, g, u.made, u.first, u.second, u.a, u.b, u.output, u.prediction, u.ok
        FROM unnest(t_uid, t_made, t_first, t_second, t_a, t_b, t_output, t_prediction, t_right)
            WITH ORDINALITY AS u(uid, made, first, second, a, b, output, prediction, ok, k)
        ORDER BY u.k
    ON CONFLICT (uid) DO NOTHING;
    GET DIAGNOSTICS added = ROW_COUNT;
    PERFORM here_of(p);
    PERFORM pg_notify(live_channel(), 'prova'); -- a trial, or a page's marks, for the board
    RETURN added;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.save_page(n text, page_uid text, page_begun bigint,
    page_level integer, page_streak integer, answers text, page_discovered boolean,
    page_revealed boolean, page_rule text, t_uid text[], t_made bigint[], t_first text[],
    t_second text[], t_a double precision[], t_b double precision[], t_output text[],
    t_prediction text[], t_right boolean[]) RETURNS integer
LANGUAGE sql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT save_page_of(pupil_id(n), page_uid, page_begun, page_level, page_streak, answers,
        page_discovered, page_revealed, page_rule, t_uid, t_made, t_first, t_second, t_a, t_b,
        t_output, t_prediction, t_right)
$$;

-- The class as it plays: the channel its computers LISTEN on ("prova" when a trial arrives,
-- "ordine" when the teacher gives an order); a pupil's computer says it is there.
CREATE OR REPLACE FUNCTION quorvel.live_channel() RETURNS text
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT 'quorvel_classe_' || caller_class()
$$;

CREATE OR REPLACE FUNCTION quorvel.here_of(p bigint) RETURNS void
LANGUAGE sql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    INSERT INTO presence (pupil) SELECT pupil_of_class(p) WHERE pupil_of_class(p) IS NOT NULL
    ON CONFLICT (pupil) DO UPDATE SET seen = now()
$$;

CREATE OR REPLACE FUNCTION quorvel.here(n text) RETURNS void
LANGUAGE sql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT here_of(pupil_id(n))
$$;

CREATE OR REPLACE FUNCTION quorvel.class_order(OUT mechanism_serial bigint,
    OUT mechanism text, OUT stopped boolean, OUT reveal_serial bigint)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
    SELECT mechanism_serial, mechanism, stopped, reveal_serial FROM classes
    WHERE id = caller_class()
$$;

-- The teacher's.
CREATE OR REPLACE FUNCTION quorvel.order_mechanism(m text) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
DECLARE
    serial bigint;
BEGIN
    PERFORM teacher_only();
    IF length(m) NOT BETWEEN 1 AND 400 THEN
        RAISE EXCEPTION 'no mechanism' USING ERRCODE = '22023';
    END IF;
    UPDATE classes SET mechanism_serial = mechanism_serial + 1, mechanism = m
    WHERE id = caller_class() RETURNING mechanism_serial INTO serial;
    PERFORM pg_notify(live_channel(), 'ordine');
    RETURN serial;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.order_stop(s boolean) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    PERFORM teacher_only();
    UPDATE classes SET stopped = s WHERE id = caller_class();
    PERFORM pg_notify(live_channel(), 'ordine');
END
$$;

-- The rule of the class's mechanism, for everyone; false when the class has none.
CREATE OR REPLACE FUNCTION quorvel.order_reveal() RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    PERFORM teacher_only();
    UPDATE classes SET reveal_serial = mechanism_serial
    WHERE id = caller_class() AND mechanism <> '';
    IF NOT FOUND THEN
        RETURN false;
    END IF;
    PERFORM pg_notify(live_channel(), 'ordine');
    RETURN true;
END
$$;

-- The live board: every pupil heard of today, on the page they are on (its number in their
-- notebook, never its rule), with its trials and marks and the seconds since their last trial
-- and since their computer was last heard of.
CREATE OR REPLACE FUNCTION quorvel.board() RETURNS TABLE (pupil bigint, name text, level integer,
    page bigint, trials bigint, streak integer, discovered boolean, revealed boolean,
    since_trial bigint, since_seen bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
#variable_conflict use_column
BEGIN
    PERFORM teacher_only();
    RETURN QUERY
    SELECT p.id, p.name, g.level, g.number, (SELECT count(*) FROM trials t WHERE t.page = g.id),
        g.streak, g.discovered, g.revealed,
        (SELECT floor(extract(epoch FROM now() - max(t.received)))::bigint
            FROM trials t WHERE t.page = g.id),
        floor(extract(epoch FROM now() - s.seen))::bigint
    FROM pupils p
    JOIN presence s ON s.pupil = p.id
    LEFT JOIN LATERAL (SELECT x.id, x.level, x.streak, x.discovered, x.revealed,
            row_number() OVER (ORDER BY x.begun, x.uid) AS number
        FROM pages x WHERE x.pupil = p.id ORDER BY x.begun DESC, x.uid DESC LIMIT 1) g ON true
    WHERE p.class = caller_class() AND s.seen >= date_trunc('day', now())
    ORDER BY p.id;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.set_rules(l text, r text, w boolean, names boolean)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    PERFORM teacher_only();
    UPDATE classes SET levels = l, reveal = r, wizard = w, pupils_add_names = names
    WHERE id = caller_class();
END
$$;

CREATE OR REPLACE FUNCTION quorvel.rename_pupil(old_name text, new_name text) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    PERFORM teacher_only();
    IF length(new_name) NOT BETWEEN 1 AND 40 OR EXISTS (SELECT FROM pupils
            WHERE class = caller_class() AND lower(name) = lower(new_name)
                AND lower(name) <> lower(old_name)) THEN
        RETURN false;
    END IF;
    UPDATE pupils SET name = new_name WHERE id = pupil_id(old_name);
    RETURN FOUND;
END
$$;

CREATE OR REPLACE FUNCTION quorvel.delete_pupil(n text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
BEGIN
    PERFORM teacher_only();
    DELETE FROM pupils WHERE id = pupil_id(n);
END
$$;

CREATE OR REPLACE FUNCTION quorvel.progress() RETURNS TABLE (name text, discovered bigint,
    revealed bigint, trials bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = quorvel, pg_temp AS $$
#variable_conflict use_column
BEGIN
    PERFORM teacher_only();
    RETURN QUERY
    SELECT p.name,
        (SELECT count(*) FROM cards c WHERE c.pupil = p.id AND c.way = 'scoperta'),
        (SELECT count(*) FROM cards c WHERE c.pupil = p.id AND c.way = 'rivelata'),
        (SELECT count(*) FROM trials t JOIN pages g ON g.id = t.page WHERE g.pupil = p.id)
    FROM pupils p WHERE p.class = caller_class() ORDER BY p.id;
END
$$;

-- The administrator's alone: a login role with a password verifier (never the password),
-- and the group roles it belongs to.
CREATE OR REPLACE FUNCTION quorvel.make_login_role(r name, verifier text, groups name[])
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    g name;
BEGIN
    IF EXISTS (SELECT FROM pg_roles WHERE rolname = r) THEN
        EXECUTE format('ALTER ROLE %I LOGIN NOSUPERUSER NOCREATEDB NOCREATEROLE INHERIT '
            'PASSWORD %L', r, verifier);
    ELSE
        EXECUTE format('CREATE ROLE %I LOGIN INHERIT PASSWORD %L', r, verifier);
    END IF;
    FOREACH g IN ARRAY groups LOOP
        EXECUTE format('GRANT %I TO %I', g, r);
    END LOOP;
END
$$;

REVOKE ALL ON SCHEMA quorvel FROM PUBLIC;
REVOKE ALL ON ALL TABLES IN SCHEMA quorvel FROM PUBLIC;
REVOKE ALL ON ALL SEQUENCES IN SCHEMA quorvel FROM PUBLIC;
REVOKE ALL ON ALL FUNCTIONS IN SCHEMA quorvel FROM PUBLIC;
GRANT USAGE ON SCHEMA quorvel TO quorvel_alunni, quorvel_insegnanti;
GRANT EXECUTE ON FUNCTION quorvel.class_info(), quorvel.names(), quorvel.add_name(text),
    quorvel.rules(), quorvel.cards(text),
    quorvel.open_card(text, integer, integer, text, text, text, integer, bigint),
    quorvel.open_card_of(bigint, integer, integer, text, text, text, integer, bigint),
    quorvel.pupil_number(text),
    quorvel.pages(text), quorvel.trials(text), quorvel.live_channel(), quorvel.here(text),
    quorvel.class_order(),
    quorvel.save_page(text, text, bigint, integer, integer, text, boolean, boolean, text, text[],
        bigint[], text[], text[], double precision[], double precision[], text[], text[],
        boolean[]),
    quorvel.save_page_of(bigint, text, bigint, integer, integer, text, boolean, boolean, text,
        text[], bigint[], text[], text[], double precision[], double precision[], text[],
        text[], boolean[])
    TO quorvel_alunni;
GRANT EXECUTE ON FUNCTION quorvel.set_rules(text, text, boolean, boolean),
    quorvel.rename_pupil(text, text), quorvel.delete_pupil(text), quorvel.progress(),
    quorvel.order_mechanism(text), quorvel.order_stop(boolean), quorvel.order_reveal(),
    quorvel.board(), quorvel.live_channel(), quorvel.class_order()
    TO quorvel_insegnanti;
)";

// The group roles, shared by every class of every database of the server: only the rights on
// this database's functions are given to them.
constexpr const char* groups = R"(
DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'quorvel_alunni') THEN
        CREATE ROLE quorvel_alunni NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'quorvel_insegnanti') THEN
        CREATE ROLE quorvel_insegnanti NOLOGIN;
    END IF;
END
$$;
)";

} // namespace

const char* classSchemaStep(int version)
{
    switch (version) {
    case 1:
        return version1;
    case 2:
        return version2;
    default:
        return nullptr;
    }
}

const char* classFunctions()
{
    return functions;
}

const char* classGroupRoles()
{
    return groups;
}

} // namespace quorvel
