# The handler of the tests' SMTP sink (python3 -m aiosmtpd -c smtp_sink.Sink FOLDER [stall]): each message
# received is written into FOLDER as NNNN.json, decoded (envelope, headers, text body, attachments). With
# "stall" the relay takes the envelope and the message, then never answers it.
import asyncio
import email
import email.header
import email.policy
import json
import os
import re


def display_name(raw):
    """The display name of the From header as a mail reader reads it by RFC 2047: adjacent encoded words are
    joined without the blanks between them (the library's address parser keeps those blanks)."""
    value = email.message_from_bytes(raw).get("From", "")
    value = re.sub(r"\r?\n(?=[ \t])", "", value)
    name = value[:value.rfind("<")].strip() if "<" in value else ""
    name = re.sub(r'"((?:[^"\\]|\\.)*)"', lambda m: re.sub(r"\\(.)", r"\1", m.group(1)), name)
    return str(email.header.make_header(email.header.decode_header(name)))


def part_header_lines(raw, msg):
    """The header lines of every part of a multipart message as they arrived, folded."""
    boundary = msg.get_boundary()
    if not boundary:
        return []
    lines = []
    for piece in raw.split(b"--" + boundary.encode("latin-1"))[1:]:
        if piece.startswith(b"--"):
            break
        lines += piece.lstrip(b"\r\n").split(b"\r\n\r\n", 1)[0].decode("latin-1").split("\r\n")
    return lines


class Sink:
    def __init__(self, folder, stall=False):
        self.folder = folder
        self.stall = stall
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        if len(args) not in (1, 2) or (len(args) == 2 and args[1] != "stall"):
            parser.error("smtp_sink.Sink takes the folder to write into, and optionally stall")
        return cls(args[0], len(args) == 2)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        # The mailbox "recusado" is refused, as a relay refuses a recipient it does not serve.
        if address.lower().startswith("recusado@"):
            return "550 5.1.1 Mailbox unavailable"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.stall:
            await asyncio.sleep(3600)
        raw = envelope.original_content or envelope.content
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        body = ""
        attachments = []
        for part in msg.walk():
            if part.is_multipart():
                continue
            payload = part.get_payload(decode=True) or b""
            if part.get_filename():
                attachments.append({"name": part.get_filename(), "type": part.get_content_type(),
                                    "size": len(payload), "head": payload[:3].hex()})
            elif part.get_content_type() == "text/plain":
                body = part.get_content()
        sender = msg["From"]
        decoded = {
            "mailFrom": envelope.mail_from,
            "rcptTos": envelope.rcpt_tos,
            "fromName": display_name(raw),
            "fromAddress": sender.addresses[0].addr_spec if sender and sender.addresses else "",
            "to": str(msg["To"] or ""),
            "subject": str(msg["Subject"] or ""),
            "date": str(msg["Date"] or ""),
            "messageId": str(msg["Message-ID"] or ""),
            "body": body,
            "attachments": attachments,
            "headerLines": raw.split(b"\r\n\r\n", 1)[0].decode("latin-1").split("\r\n"),
            "partHeaderLines": part_header_lines(raw, msg),
        }
        self.count += 1
        path = os.path.join(self.folder, "%04d.json" % self.count)
        with open(path + ".tmp", "w", encoding="utf-8") as out:
            json.dump(decoded, out, ensure_ascii=False)
        os.replace(path + ".tmp", path)
        return "250 OK"
